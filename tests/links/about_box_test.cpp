// The About box: its two links open their own pages, and OK closes it.

#include "tests/support/fake_desktop.h"
#include "ui/common/link_label.h"
#include "ui/links/about_box.h"
#include "ui/links/web_hosts.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void links_data();
    void links();
    void okCloses();
};

void AboutBoxTest::links_data() {
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("home page invitation")
        << "lblHomePage" << QStringLiteral("http://") + QLatin1String(ui::hosts::MainSite);
    QTest::newRow("details of the fully branded offer, not the co-branding one")
        << "lblCoBrand"
        << QStringLiteral("http://") + QLatin1String(ui::hosts::HelpSite) +
               QStringLiteral("/fully-branded.html");
}

void AboutBoxTest::links() {
    QFETCH(QString, link);
    QFETCH(QString, address);
    test::FakeDesktop desktop;
    ui::frmAbout box(desktop);
    box.show();
    auto* label = box.findChild<ui::LinkLabel*>(link);
    QVERIFY(label);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(desktop.openedUrls, QStringList{address});
    QVERIFY(box.isVisible());
}

void AboutBoxTest::okCloses() {
    test::FakeDesktop desktop;
    ui::frmAbout box(desktop);
    QCOMPARE(box.windowTitle(), QStringLiteral("VA Zuvo Dada Vuvizoreduror v1.0"));
    QCOMPARE(box.size(), QSize(398, 235)); // 5970 x 3525 twips
    QVERIFY(box.findChild<QLabel*>(QStringLiteral("lblHomePage"))
                ->text()
                .contains(QLatin1String(ui::hosts::MainSite)));
    box.show();
    QTest::mouseClick(box.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.result(), int(QDialog::Accepted));
    QVERIFY(desktop.openedUrls.isEmpty());
}

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
