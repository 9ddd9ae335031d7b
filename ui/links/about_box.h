#pragma once

#include <QDialog>

#include <memory>

namespace platform {
class Desktop;
}

namespace Ui {
class frmAbout;
}

namespace ui {

// The About box: shown modally from the "&About Software" entries of both working windows.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(platform::Desktop& desktop, QWidget* parent = nullptr);
    ~frmAbout() override;

private:
    std::unique_ptr<Ui::frmAbout> ui_;
};

} // namespace ui
