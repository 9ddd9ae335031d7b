#pragma once

#include <QString>

namespace platform {
class Desktop;
}

namespace ui {

// Every page of the maker that the program opens has one operation here; every caller of a
// page calls the same one, so an address lives in exactly one place.
void OpenWebPage(platform::Desktop& desktop, const QString& address);

void OpenOnlineHelp(platform::Desktop& desktop);
void OpenDownloadPage(platform::Desktop& desktop);
void OpenHomePage(platform::Desktop& desktop);
void OpenDonationPage(platform::Desktop& desktop);
void OpenFullBrandPage(platform::Desktop& desktop);
void OpenCoBrandPage(platform::Desktop& desktop);
void OpenSoftwareCatalogue(platform::Desktop& desktop);

// "http://" and a host, with no trailing slash: the home page itself.
QString siteAddress(const char* host);

} // namespace ui
