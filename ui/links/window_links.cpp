#include "ui/links/window_links.h"

#include "ui/common/link_label.h"
#include "ui/links/about_box.h"
#include "ui/links/web_links.h"

#include <QAction>
#include <QWidget>

namespace ui {
namespace {

using WebCommand = void (*)(platform::Desktop&);

struct NamedCommand {
    const char* objectName;
    WebCommand command;
};

// clang-format off
constexpr NamedCommand kMenuCommands[] = {
    {"mnuOnline",          OpenOnlineHelp   },
    {"mnuVisit",           OpenHomePage     },
    {"mnuUpdate",          OpenDownloadPage },
    {"mnuDonate",          OpenDonationPage },
    {"mnuMakeMoneyOnline", OpenFullBrandPage},
    {"mnuMakeMoney",       OpenFullBrandPage},
};
// clang-format on

// clang-format off
constexpr NamedCommand kLinkCommands[] = {
    {"Label14",      OpenHomePage     },
    {"lblCobrand",   OpenCoBrandPage  },
    {"lblFullBrand", OpenFullBrandPage},
};
// clang-format on

} // namespace

void connectWebCommands(QWidget* window, platform::Desktop& desktop) {
    for (const NamedCommand& entry : kMenuCommands) {
        if (auto* action = window->findChild<QAction*>(QLatin1String(entry.objectName))) {
            QObject::connect(action, &QAction::triggered, window,
                             [&desktop, command = entry.command] { command(desktop); });
        }
    }
    for (const NamedCommand& entry : kLinkCommands) {
        if (auto* link = window->findChild<ui::LinkLabel*>(QLatin1String(entry.objectName))) {
            QObject::connect(link, &ui::LinkLabel::clicked, window,
                             [&desktop, command = entry.command] { command(desktop); });
        }
    }
    if (auto* about = window->findChild<QAction*>(QStringLiteral("mnuAbout"))) {
        QObject::connect(about, &QAction::triggered, window, [window, &desktop] {
            frmAbout box(desktop, window);
            box.exec();
        });
    }
}

} // namespace ui
