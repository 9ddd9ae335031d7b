#pragma once

// Drives the whole program the way a user does: through the windows' controls, found by
// their object names, with a scripted Desktop standing in for the operating system.

#include "shell/application.h"
#include "shell/exit_screen.h"
#include "tests/support/fake_desktop.h"
#include "tests/support/user_input.h"
#include "ui/input/frm_main.h"
#include "ui/result/frm_result.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include <memory>
#include <vector>

namespace test {

class ProgramDriver {
public:
    ProgramDriver() {
        auto desktop = std::make_unique<FakeDesktop>();
        desktop_ = desktop.get();
        application_ = std::make_unique<shell::Application>(std::move(desktop));
    }
    ~ProgramDriver() {
        application_.reset();
        flushDeletes();
    }

    FakeDesktop& desktop() { return *desktop_; }
    shell::Application& application() { return *application_; }

    static void flushDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename Window> Window* loaded() const {
        for (QWidget* window : application_->loadedWindows()) {
            if (auto* found = qobject_cast<Window*>(window)) {
                return found;
            }
        }
        return nullptr;
    }
    ui::frmMain* input() const { return loaded<ui::frmMain>(); }
    ui::frmFengShuiCompatibilityResult* result() const {
        return loaded<ui::frmFengShuiCompatibilityResult>();
    }
    shell::frmExit* exitScreen() const { return loaded<shell::frmExit>(); }

    static std::vector<QWidget*> visibleWindows() {
        std::vector<QWidget*> visible;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && window->isWindow() && window->windowType() != Qt::ToolTip &&
                window->windowType() != Qt::Popup) {
                visible.push_back(window);
            }
        }
        return visible;
    }

    void enter(int index, const Person& person) const { enterPerson(input(), index, person); }

    void press(QWidget* window, const char* button) const {
        QTest::mouseClick(window->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
        flushDeletes();
    }

    void proceed(const Person& self, const Person& partner) const {
        enter(0, self);
        enter(1, partner);
        press(input(), "cmdProceed");
    }

    // Brings a tab of the result window to the front, as a click on it does.
    void showTab(int index) const { result()->findChild<QTabBar*>("TS")->setCurrentIndex(index); }

    QString shown(const char* label) const {
        const auto* found = result()->findChild<QLabel*>(QLatin1String(label));
        return found ? found->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
    }

private:
    FakeDesktop* desktop_ = nullptr;
    std::unique_ptr<shell::Application> application_;
};

} // namespace test
