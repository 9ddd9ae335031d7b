#pragma once

#include "platform/desktop.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>

class QFrame;
class QLabel;

namespace engine {
struct CoupleReading;
}
namespace Ui {
class frmFengShuiCompatibilityResult;
}

namespace ui {

class DirectionsPanel;

// The result window: one reading on three tabs, and a fourth with the directions as compasses,
// each tab's panel a page of one stack. It computes nothing; it shows the record it is given as it
// stands when the window is built, and it is built anew for every reading.
class frmFengShuiCompatibilityResult : public QMainWindow {
    Q_OBJECT

public:
    frmFengShuiCompatibilityResult(const engine::CoupleReading& reading, platform::Desktop& desktop,
                                   QWidget* parent = nullptr);
    ~frmFengShuiCompatibilityResult() override;

signals:
    void backRequested();
    // Every close, whatever caused it; the application tells Back apart from Exit.
    void closed();
    // A saved reading was dropped on the window.
    void readingFileDropped(const QString& path);
    // The user asked for the plan of their home, or changed or forgot their home.
    void planRequested();
    void homeChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void findControls();
    void applyLayoutDetails();
    void load();
    void showReading();
    void showPerson(int i);
    void showTrigramRows(int i);
    void save();
    void printReading();
    void exportPdf();

    const engine::CoupleReading& reading_;
    platform::Desktop& desktop_;
    std::unique_ptr<Ui::frmFengShuiCompatibilityResult> ui_;

    std::array<QFrame*, 3> fraResult{};
    DirectionsPanel* fraDirections = nullptr;
    std::array<QLabel*, 2> lblFengShuiKuaNo{};
    std::array<QLabel*, 2> lblFengShuiColour{};
    std::array<QLabel*, 2> imgColour{};
    std::array<QLabel*, 2> lblFengShuiElement{};
    std::array<QLabel*, 2> imgElement{};
    std::array<QLabel*, 2> lblFengShuiGroup{};
    std::array<QLabel*, 2> lblElementDesc{};
    std::array<QLabel*, 2> lblFengShuiTrigram{};
    std::array<QLabel*, 2> imgTrigram{};
    std::array<QLabel*, 18> lblLabel{};
    std::array<QLabel*, 18> lblResult{};
    std::array<QLabel*, 2> lblCompatibility{};
    std::array<QLabel*, 1> lblName{};
};

} // namespace ui
