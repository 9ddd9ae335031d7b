#pragma once

#include <QEvent>
#include <QWidget>

#include <array>
#include <memory>

namespace platform {
class Desktop;
}

namespace Ui {
class frmExit;
}

namespace shell {

// The five texts of a referral, each with the spaces around it removed.
struct ReferralFields {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The exit screen: the last window of every run. It stays above other windows, is shown
// without taking the focus, and carries the refer-a-friend form. Leaving it in any way asks
// for the end of the program.
class frmExit : public QWidget {
    Q_OBJECT

public:
    explicit frmExit(platform::Desktop& desktop, QWidget* parent = nullptr);
    ~frmExit() override;

signals:
    // "E&xit" was pressed or the screen is being unloaded.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onCheck1Clicked(bool ticked);
    void onSubmit();
    void SendReferral(const ReferralFields& fields);
    void refuse(const char* message);
    ReferralFields readFields() const;
    void handleFocusChange(std::size_t index, QEvent::Type change);
    bool filterSpace(QWidget* box, QEvent* event);

    std::unique_ptr<Ui::frmExit> ui_;
    platform::Desktop& desktop_;
    // The five referral boxes, in the order of the referral's fields.
    std::array<QWidget*, 5> boxes_{};
};

// The refer-a-friend request: each value percent-encoded as a query component, so that no
// "&", "=", "#", "+" or line break in what the user typed can change the request.
QString referralAddress(const ReferralFields& fields);

} // namespace shell
