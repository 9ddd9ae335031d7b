#pragma once

// The reading engine: plain C++, no windows. A reading runs, in this order:
// ResetShownFields, KuaNumberOfBirth and SetPersonProfile for the user, the same for the
// partner, SetElementDescriptions, SetDirectionsAndPictures.

#include "engine/complete_reading.h"
#include "engine/couple_reading.h"
#include "engine/directions.h"
#include "engine/element_texts.h"
#include "engine/kua_number.h"
#include "engine/li_chun.h"
#include "engine/pair_rating.h"
#include "engine/picture_keys.h"
#include "engine/profile.h"
