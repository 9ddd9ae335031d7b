#pragma once

#include <QDialog>

namespace platform {
class Desktop;
}

namespace shell {

// The About box: shown modally from the "&About Software" entries of both working windows.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(platform::Desktop& desktop, QWidget* parent = nullptr);
    ~frmAbout() override;

private:
    struct Ui;
    Ui* ui_;
};

} // namespace shell
