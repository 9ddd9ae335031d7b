// Whatever the clipboard or a drag hands the program, pasted or dropped into any box of any
// window, the box takes its text, the program survives it and the windows go on working: the
// reading is still worked out from what the user entered, and the referral request still
// carries its six keys, percent-encoded.

#include "tests/shell/program_driver.h"

#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrlQuery>
#include <QtTest>

#include <functional>
#include <memory>
#include <span>

using test::Person;

namespace {

using MimeMaker = std::function<QMimeData*()>;

enum class Way { CtrlV, ShiftInsert, ContextMenu, Drop };

QMimeData* withText(const QString& text) {
    auto* data = new QMimeData;
    data->setText(text);
    return data;
}

QString megabyteOfLines() {
    QString lines;
    lines.reserve(1 << 20);
    while (lines.size() < (1 << 20)) {
        lines += QStringLiteral("A line of pasted text that goes on and on, and then ends.\n");
    }
    return lines;
}

// The boxes a user can type into: the input window's names and the exit screen's five.
const char* const kInputBoxes[] = {"txtName_0", "txtName_1"};
const char* const kExitBoxes[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                                  "txtMessage"};

QWidget* dropTarget(QWidget* box) {
    auto* area = qobject_cast<QAbstractScrollArea*>(box);
    return area ? area->viewport() : box;
}

// As the drag-and-drop system does: the drop only follows an accepted enter and move.
void drop(QWidget* box, const QMimeData* data) {
    QWidget* target = dropTarget(box);
    const QPointF spot = target->rect().center();
    QDragEnterEvent enter(spot.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(spot.toPoint(), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    if (enter.isAccepted() && move.isAccepted()) {
        QDropEvent dropped(spot, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
    }
}

QMenu* contextMenuOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->createStandardContextMenu();
    }
    return static_cast<QPlainTextEdit*>(box)->createStandardContextMenu();
}

// The text boxes name their Paste entry; the line boxes only show its shortcut beside it.
QAction* pasteEntry(const QMenu& menu) {
    const QString shortcut =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu.actions()) {
        if (action->objectName() == QLatin1String("edit-paste") ||
            action->text().endsWith(shortcut)) {
            return action;
        }
    }
    return nullptr;
}

// Paste as the user can: the menu's entry is only there to choose while it is enabled.
void pasteFromMenu(QWidget* box) {
    std::unique_ptr<QMenu> menu(contextMenuOf(box));
    QAction* paste = pasteEntry(*menu);
    QVERIFY(paste);
    if (paste->isEnabled()) {
        paste->trigger();
    }
}

void handOver(QWidget* box, Way way, const MimeMaker& make) {
    box->setFocus(Qt::MouseFocusReason);
    QApplication::clipboard()->setMimeData(make());
    switch (way) {
    case Way::CtrlV:
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ShiftInsert:
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Way::ContextMenu:
        pasteFromMenu(box);
        break;
    case Way::Drop: {
        const std::unique_ptr<QMimeData> data(make());
        drop(box, data.get());
        break;
    }
    }
}

QString contentOf(QWidget* box) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        return line->text();
    }
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

// The box holds what was handed over, as it takes text: a line box up to its maximum length,
// and from a drop only what says it is plain text; a text box also the list of addresses that
// Qt turns into text, and every CR LF or CR as one line break. Without text nothing changes.
void checkTaken(QWidget* box, const QString& before, const QMimeData& data, Way way) {
    const QString now = contentOf(box);
    QString taken = data.text();
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        if (way == Way::Drop && !data.hasFormat(QStringLiteral("text/plain"))) {
            taken.clear();
        }
        taken.truncate(line->maxLength() - before.size());
    } else {
        taken.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
    }
    QVERIFY2(now.size() == before.size() + taken.size() && now.contains(taken),
             qPrintable(box->objectName()));
}

void handOverToEach(QWidget* window, std::span<const char* const> boxes, Way way,
                    const MimeMaker& make) {
    for (const char* name : boxes) {
        auto* box = window->findChild<QWidget*>(QLatin1String(name));
        QVERIFY2(box, name);
        const QString before = contentOf(box);
        handOver(box, way, make);
        const std::unique_ptr<QMimeData> data(make());
        checkTaken(box, before, *data, way);
    }
}

void typeInto(QWidget* window, const char* name, const QString& text) {
    auto* box = window->findChild<QLineEdit*>(QLatin1String(name));
    box->setFocus(Qt::TabFocusReason);
    box->clear();
    QTest::keyClicks(box, text);
}

// Only what a query may carry as it stands: letters, digits, the unreserved marks, escapes.
bool percentEncoded(const QString& value) {
    const auto plain = [](QChar c) {
        return c.isLetterOrNumber() && c.unicode() < 128 ? true
                                                         : QStringLiteral("._~-").contains(c);
    };
    const auto hex = [](QChar c) { return QStringLiteral("0123456789ABCDEF").contains(c); };
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == QLatin1Char('%')) {
            if (i + 2 >= value.size() || !hex(value[i + 1]) || !hex(value[i + 2])) {
                return false;
            }
            i += 2;
        } else if (!plain(value[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

Q_DECLARE_METATYPE(MimeMaker)
Q_DECLARE_METATYPE(Way)

class ClipboardTest : public QObject {
    Q_OBJECT

private slots:
    void anythingPastedOrDroppedIsSurvived_data();
    void anythingPastedOrDroppedIsSurvived();
};

void ClipboardTest::anythingPastedOrDroppedIsSurvived_data() {
    QTest::addColumn<MimeMaker>("make");
    QTest::addColumn<Way>("way");

    const std::pair<const char*, MimeMaker> contents[] = {
        {"nothing at all", [] { return new QMimeData; }},
        {"plain text", [] { return withText(QStringLiteral("Anna")); }},
        {"HTML only",
         [] {
             auto* data = new QMimeData;
             data->setHtml(QStringLiteral("<b>bold</b> &amp; <i>busy</i>"));
             return data;
         }},
        {"an image only",
         [] {
             auto* data = new QMimeData;
             QImage image(16, 16, QImage::Format_RGB32);
             image.fill(Qt::red);
             data->setImageData(image);
             return data;
         }},
        {"a list of URLs",
         [] {
             auto* data = new QMimeData;
             data->setUrls({QUrl(QStringLiteral("file:///tmp/a b.fsc")),
                            QUrl(QStringLiteral("http://example.org/?x=1&y=2"))});
             return data;
         }},
        {"1 MB of text", [] { return withText(megabyteOfLines()); }},
        {"NUL and control characters",
         [] { return withText(QString::fromUtf16(u"a\0b\x01\t\r\n\x1b\x7f\x85z", 11)); }},
        {"right-to-left text", [] { return withText(QStringLiteral("مرحبا שלום &=#+")); }},
        {"characters outside the Basic Multilingual Plane",
         [] { return withText(QStringLiteral("𝄞 😀 𠀀")); }},
    };
    const std::pair<const char*, Way> ways[] = {
        {"Ctrl+V", Way::CtrlV},
        {"Shift+Insert", Way::ShiftInsert},
        {"context menu", Way::ContextMenu},
        {"dropped", Way::Drop},
    };
    for (const auto& [content, make] : contents) {
        for (const auto& [wayName, way] : ways) {
            QTest::addRow("%s, %s", content, wayName) << make << way;
        }
    }
}

void ClipboardTest::anythingPastedOrDroppedIsSurvived() {
    QFETCH(MimeMaker, make);
    QFETCH(Way, way);
    test::ProgramDriver program;
    QVERIFY(program.application().StartUp());

    // The input window takes it in both names, and still works out the reading entered.
    handOverToEach(program.input(), kInputBoxes, way, make);
    program.proceed({"Bob", "Male", "15", "February", "1980"},
                    {"Eve", "Female", "31", "January", "1950"});
    QVERIFY(program.result());
    QCOMPARE(program.shown("lblFengShuiKuaNo_0"), QStringLiteral("3"));
    QCOMPARE(program.shown("lblFengShuiKuaNo_1"), QStringLiteral("9"));
    QCOMPARE(program.shown("lblName_0"), QStringLiteral("Mr. Bob"));

    // Closing the result window brings the exit screen, whose five boxes take it too.
    program.result()->close();
    test::ProgramDriver::flushDeletes();
    shell::frmExit* screen = program.exitScreen();
    QVERIFY(screen && screen->isVisible());
    handOverToEach(screen, kExitBoxes, way, make);

    typeInto(screen, "txtName", QStringLiteral("Ann Lee"));
    typeInto(screen, "txtEmail", QStringLiteral("ann@example.org"));
    typeInto(screen, "txtFriendName", QStringLiteral("Tom"));
    typeInto(screen, "txtFriendEmail", QStringLiteral("tom@example.org"));
    const QString message = screen->findChild<QPlainTextEdit*>(QStringLiteral("txtMessage"))
                                ->toPlainText()
                                .replace(QLatin1Char('\n'), QStringLiteral("\r\n"))
                                .trimmed();
    program.desktop().openedUrls.clear();
    program.press(screen, "cmdSubmit");

    const QUrl request(program.desktop().openedUrls.value(0));
    const QStringList pairs = request.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    QStringList keys;
    for (const QString& pair : pairs) {
        keys << pair.section(QLatin1Char('='), 0, 0);
        const QString value = pair.section(QLatin1Char('='), 1);
        QVERIFY2(keys.last() == QLatin1String("taf6") || percentEncoded(value), qPrintable(pair));
    }
    QCOMPARE(keys, (QStringList{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"}));
    QCOMPARE(QUrlQuery(request).queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded),
             QStringLiteral("Ann Lee"));
    if (!message.isEmpty()) {
        QCOMPARE(
            QUrlQuery(request).queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded).trimmed(),
            message);
    }
}

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
