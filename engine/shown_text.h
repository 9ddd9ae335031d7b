#pragma once

// Marks a literal that a window shows in the user's language. The engine keeps and compares
// the English text; Qt's translation tools collect what is marked, and the window translates
// it only when it shows it.
#define SHOWN_TEXT(context, text) text
