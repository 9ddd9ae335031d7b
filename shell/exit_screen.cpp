#include "shell/exit_screen.h"

#include "platform/clock_seed.h"
#include "platform/desktop.h"
#include "ui/common/widgets.h"
#include "ui/links/program_picture.h"
#include "ui/links/web_hosts.h"
#include "ui/links/web_links.h"
#include "ui_exit_screen.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

namespace shell {
namespace {

// One of these asks for the forum's support on every run; "%1" is the forum's host.
constexpr const char* kForumMessages[] = {
    QT_TRANSLATE_NOOP("shell::frmExit", "Please support our discussion forum: visit %1 regularly "
                                        "and join the conversation."),
    QT_TRANSLATE_NOOP("shell::frmExit", "The forum at %1 lives on its visitors. Drop in now and "
                                        "then to keep it going."),
    QT_TRANSLATE_NOOP("shell::frmExit", "Enjoyed this program? Support the discussion forum "
                                        "behind it by visiting %1 regularly."),
    QT_TRANSLATE_NOOP("shell::frmExit", "Help our discussion forum grow: make %1 one of the sites "
                                        "you visit regularly."),
};

// The referral boxes, in the order the request is checked and built.
struct ReferralBox {
    const char* objectName;
    QString ReferralFields::*field;
    const char* placeholder;
    const char* missingMessage;
};
// The placeholders are the ones the form shows, so they are translated alike.
const ReferralBox kReferralBoxes[] = {
    {"txtName", &ReferralFields::name, QT_TRANSLATE_NOOP("frmExit", "Your Name"),
     QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Your Name")},
    {"txtEmail", &ReferralFields::email, QT_TRANSLATE_NOOP("frmExit", "Your Email Address"),
     QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Your Email")},
    {"txtMessage", &ReferralFields::message, QT_TRANSLATE_NOOP("frmExit", "Your Message"),
     QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Your Message")},
    {"txtFriendName", &ReferralFields::friendName, QT_TRANSLATE_NOOP("frmExit", "Friend's Name"),
     QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Your Friend's Name")},
    {"txtFriendEmail", &ReferralFields::friendEmail,
     QT_TRANSLATE_NOOP("frmExit", "Friend's Email Address"),
     QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Your Friend's Email")},
};

QString placeholderOf(const ReferralBox& box) {
    return QCoreApplication::translate("frmExit", box.placeholder);
}

constexpr const char* kSpaceInAddress =
    QT_TRANSLATE_NOOP("shell::frmExit", "Email Address Cannot Contain Space");
constexpr const char* kSameAddresses =
    QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Distinct Email Addresses");
constexpr const char* kImproperAddress =
    QT_TRANSLATE_NOOP("shell::frmExit", "Please Enter Proper Email Address");

// Only blanks are trimmed: a line break the user typed belongs to the text.
QString trimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text[last - 1] == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

QString textOf(QWidget* box) {
    if (const auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->text();
    }
    // The message box keeps its line breaks as CR LF, which is how the request carries them.
    return static_cast<QPlainTextEdit*>(box)->toPlainText().replace(QLatin1Char('\n'),
                                                                    QStringLiteral("\r\n"));
}

void setTextOf(QWidget* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else {
        static_cast<QPlainTextEdit*>(box)->setPlainText(text);
    }
}

// Focus that comes and goes with the whole window (another program, a message box) is not
// the user moving between boxes.
bool movedByUser(QEvent* event) {
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

// A plain widget is exposed as a part of some window, a "filler" to a Linux screen reader.
// The exit screen is a window of its own, to be announced by its caption when it comes up.
QAccessibleInterface* exposedAsWindow(const QString& className, QObject* object) {
    if (className == QLatin1String(frmExit::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    }
    return nullptr;
}

} // namespace

QString referralAddress(const ReferralFields& fields) {
    const auto encoded = [](const QString& value) {
        return QString::fromLatin1(QUrl::toPercentEncoding(value));
    };
    const std::pair<const char*, QString> query[] = {
        {"taf1", encoded(fields.name)},
        {"taf2", encoded(fields.email)},
        {"taf3", encoded(fields.message)},
        {"taf4", encoded(fields.friendName)},
        {"taf5", encoded(fields.friendEmail)},
        {"taf6", ui::siteAddress(ui::hosts::ProgramSite) + QLatin1Char('/')},
    };
    QStringList pairs;
    for (const auto& [key, value] : query) {
        pairs.append(QLatin1String(key) + QLatin1Char('=') + value);
    }
    return ui::siteAddress(ui::hosts::MainSite) + QStringLiteral("/rire-refer-a-friend.php?") +
           pairs.join(QLatin1Char('&'));
}

frmExit::frmExit(platform::Desktop& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::frmExit>()), desktop_(desktop) {
    static const bool exposedAsAWindow = (QAccessible::installFactory(exposedAsWindow), true);
    Q_UNUSED(exposedAsAWindow);
    ui_->setupUi(this);
    ui::keepOwnLook(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    ui::fixSizeAndCentre(this);

    ui_->Picture1->setPixmap(ui::programPicture());
    platform::seedRandomFromClock(desktop_);
    const auto drawn = static_cast<std::size_t>(std::floor(4.0 * desktop_.random()));
    ui_->Label2->setText(tr(kForumMessages[std::min<std::size_t>(drawn, 3)])
                             .arg(QString::fromUtf8(ui::hosts::MainSite)));
    ui::insertHost(ui_->Check1, ui::hosts::MainSite);
    ui::insertHost(ui_->Label3, ui::hosts::MainSite);

    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        boxes_[index] = findChild<QWidget*>(QLatin1String(kReferralBoxes[index].objectName));
        boxes_[index]->installEventFilter(this);
    }

    connect(ui_->cmdClose, &QPushButton::clicked, this, &frmExit::exitRequested);
    connect(ui_->Check1, &QCheckBox::clicked, this, &frmExit::onCheck1Clicked);
    connect(ui_->lblGoToHome, &ui::LinkLabel::clicked, this,
            [this] { ui::OpenSoftwareCatalogue(desktop_); });
    connect(ui_->cmdSubmit, &QPushButton::clicked, this, &frmExit::onSubmit);
}

frmExit::~frmExit() = default;

void frmExit::closeEvent(QCloseEvent* event) {
    emit exitRequested();
    QWidget::closeEvent(event);
}

bool frmExit::eventFilter(QObject* watched, QEvent* event) {
    const auto* found = std::ranges::find(boxes_, watched);
    if (found == boxes_.end()) {
        return QWidget::eventFilter(watched, event);
    }
    QWidget* box = *found;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        if (movedByUser(event)) {
            handleFocusChange(static_cast<std::size_t>(found - boxes_.begin()), event->type());
        }
        break;
    case QEvent::KeyPress:
        return filterSpace(box, event);
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmExit::handleFocusChange(std::size_t index, QEvent::Type change) {
    QWidget* box = boxes_[index];
    const QString placeholder = placeholderOf(kReferralBoxes[index]);
    const QString text = trimSpaces(textOf(box));
    if (change == QEvent::FocusIn && text == placeholder) {
        setTextOf(box, QString());
    } else if (change == QEvent::FocusOut && text.isEmpty()) {
        setTextOf(box, placeholder);
    }
}

bool frmExit::filterSpace(QWidget* box, QEvent* event) {
    const bool isAddressBox = box == ui_->txtEmail || box == ui_->txtFriendEmail;
    if (!isAddressBox || static_cast<QKeyEvent*>(event)->text() != QLatin1String(" ")) {
        return false;
    }
    refuse(kSpaceInAddress);
    box->setFocus();
    return true;
}

void frmExit::onCheck1Clicked(bool ticked) {
    // The box is an invitation, not a setting: it never stays ticked.
    if (!ticked) {
        return;
    }
    ui_->Check1->setChecked(false);
    ui::OpenHomePage(desktop_);
}

ReferralFields frmExit::readFields() const {
    ReferralFields fields;
    for (std::size_t index = 0; index < boxes_.size(); ++index) {
        fields.*(kReferralBoxes[index].field) = trimSpaces(textOf(boxes_[index]));
    }
    return fields;
}

void frmExit::onSubmit() {
    const ReferralFields fields = readFields();
    const auto both = [&fields](QChar mark) {
        return fields.email.contains(mark) && fields.friendEmail.contains(mark);
    };
    if (fields.email == fields.friendEmail) {
        refuse(kSameAddresses);
    } else if (!both(QLatin1Char('@')) || !both(QLatin1Char('.'))) {
        refuse(kImproperAddress);
    } else {
        SendReferral(fields);
    }
}

void frmExit::SendReferral(const ReferralFields& fields) {
    for (const ReferralBox& box : kReferralBoxes) {
        const QString& value = fields.*(box.field);
        if (value.isEmpty() || value == placeholderOf(box)) {
            refuse(box.missingMessage);
            return;
        }
    }
    ui::OpenWebPage(desktop_, referralAddress(fields));
}

void frmExit::refuse(const char* message) {
    desktop_.showMessage(this, tr(message), platform::MessageIcon::Critical);
}

} // namespace shell
