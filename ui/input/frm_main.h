#pragma once

#include "engine/kua_number.h"
#include "platform/desktop.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <memory>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace engine {
struct CoupleReading;
struct PersonReading;
} // namespace engine

namespace Ui {
class frmMain;
}

namespace ui {

class LinkLabel;

// The input window: both people's names, sexes and birth dates, the proceed and open
// commands, the Help menu and the promotion links. Closing it always means unloading it: a
// window shown again is built afresh and starts empty.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    frmMain(engine::CoupleReading& reading, platform::Desktop& desktop, QWidget* parent = nullptr);
    ~frmMain() override;

    // Brings one of the two promotion labels to the front at random.
    void CoBrand_Randomize();

    // Checks the entered details in a fixed order. The first failure is shown, the focus
    // moves where it helps, and the answer is false.
    bool ValidateInput();

signals:
    // The window is being unloaded, whoever closes it.
    void closed();
    // A reading was computed from the details, and waits to be shown.
    void readingReady();
    // The user chose a saved reading in the Open dialog, or dropped one on the window.
    void readingFileChosen(const QString& path);
    void readingFileDropped(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onProceed();
    void onOpen();

private:
    void loadLists();
    void storeBirthDate(engine::PersonReading& person, std::size_t index) const;
    // Where the reckoning year starts, as the Settings menu says.
    engine::YearStart yearStart() const;
    bool refuse(const char* message, platform::MessageIcon icon, QWidget* focusAfterwards);
    // The two promotion labels share one spot.
    void showPromotion(LinkLabel* front);

    std::unique_ptr<Ui::frmMain> ui_;
    engine::CoupleReading& reading_;
    platform::Desktop& desktop_;

    // The control arrays, indexed as the program indexes the couple: 0 the user, 1 the
    // partner; the sex buttons 0 and 1 are the user's, 2 and 3 the partner's.
    std::array<QLineEdit*, 2> txtName;
    std::array<QRadioButton*, 4> optSex;
    std::array<QComboBox*, 2> cboDate;
    std::array<QComboBox*, 2> cboMonth;
    std::array<QComboBox*, 2> cboYear;
};

} // namespace ui
