#include "ui/links/web_links.h"

#include "platform/desktop.h"
#include "ui/links/web_hosts.h"

namespace ui {
namespace {

void openPage(platform::Desktop& desktop, const char* host, const char* path) {
    OpenWebPage(desktop, siteAddress(host) + QLatin1String(path));
}

} // namespace

QString siteAddress(const char* host) {
    return QStringLiteral("http://") + QString::fromUtf8(host);
}

void OpenWebPage(platform::Desktop& desktop, const QString& address) {
    desktop.openUrl(address);
}

void OpenOnlineHelp(platform::Desktop& desktop) {
    openPage(desktop, hosts::ProgramSite, "/vo-deze-vade-ruzo-rarovivozizuv-help.html");
}

void OpenDownloadPage(platform::Desktop& desktop) {
    openPage(desktop, hosts::ProgramSite, "/zevezevi-ze-zivi-vodo-deza-dirirazodevur.html");
}

void OpenHomePage(platform::Desktop& desktop) {
    openPage(desktop, hosts::MainSite, "");
}

void OpenDonationPage(platform::Desktop& desktop) {
    openPage(desktop, hosts::HelpSite, "/donate.html");
}

void OpenFullBrandPage(platform::Desktop& desktop) {
    openPage(desktop, hosts::HelpSite, "/fully-branded.html");
}

void OpenCoBrandPage(platform::Desktop& desktop) {
    openPage(desktop, hosts::HelpSite, "/co-brand.html");
}

void OpenSoftwareCatalogue(platform::Desktop& desktop) {
    openPage(desktop, hosts::MainSite, "/vedazoverezuvuro");
}

} // namespace ui
