#include "ui/links/about_box.h"

#include "ui/common/widgets.h"
#include "ui/links/program_picture.h"
#include "ui/links/web_hosts.h"
#include "ui/links/web_links.h"
#include "ui_about_box.h"

namespace ui {

frmAbout::frmAbout(platform::Desktop& desktop, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::frmAbout>()) {
    ui_->setupUi(this);
    ui::keepOwnLook(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    ui_->picIcon->setPixmap(programPicture());
    ui::insertHost(ui_->lblHomePage, hosts::MainSite);

    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->lblHomePage, &ui::LinkLabel::clicked, this, [&desktop] { OpenHomePage(desktop); });
    // The offer this box describes is the fully branded program, so its link goes there.
    connect(ui_->lblCoBrand, &ui::LinkLabel::clicked, this,
            [&desktop] { OpenFullBrandPage(desktop); });
}

frmAbout::~frmAbout() = default;

} // namespace ui
