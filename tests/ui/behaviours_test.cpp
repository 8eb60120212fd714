// The main window's own behaviours and the log window, driven by real keys and mouse
// clicks: numeric fields, roll-up and docking, the log window's toggle and notes, the
// parameter strip, copying, keeping on top, and how the program ends.
#include "event_log.h"
#include "ui_harness.h"
#include "ui/window_behaviours.h"

#include <QClipboard>
#include <functional>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QTimer>

using rt::Event;
using rt::WindowId;
namespace prop = rt::prop;

class BehavioursTest : public QObject {
    Q_OBJECT

private:
    test::RunDir m_runDir;
    std::unique_ptr<test::Harness> m_harness;
    test::Harness& h() { return *m_harness; }
    rt::QtRuntime& runtime() { return h().runtime(); }

    QWidget* logWindow() { return runtime().window(WindowId::Log); }
    std::string logTag() { return runtime().readText(WindowId::Main, "日志按钮", prop::kTag); }
    void click(const char* name) { QTest::mouseClick(h().control(name), Qt::LeftButton); }
    void doubleClickTitle() { QTest::mouseDClick(h().control("标题栏"), Qt::LeftButton); }
    QPlainTextEdit* notes() { return h().control<QPlainTextEdit>("开发日志", WindowId::Log); }
    void verifyDocked()
    {
        QWidget* main = h().window();
        QCOMPARE(logWindow()->pos(), main->pos() + QPoint(0, main->height()));
    }
    void showParameterStrip()
    {
        if (!h().control("参数框")->isVisible())
            click("其它按钮");
    }

private slots:
    void init()
    {
        m_harness = std::make_unique<test::Harness>(m_runDir);
        h().start();
    }
    void cleanup() { m_harness.reset(); }

    void numericFieldsFilterTypingAndRewriteOnLeaving_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // after typing
        QTest::addColumn<QString>("left");   // after the focus has left
        QTest::newRow("letters are dropped") << "参数1" << "a1b" << "1" << "1";
        QTest::newRow("signs and points anywhere") << "参数1" << "1-2.3.4" << "1-2.3.4" << "1";
        QTest::newRow("leading zeros") << "参数1" << "007" << "007" << "7";
        QTest::newRow("bare point") << "参数3" << ".5" << ".5" << "0.5";
        QTest::newRow("zero becomes empty") << "参数2" << "0" << "0" << "";
        QTest::newRow("lone minus becomes empty") << "参数1" << "-" << "-" << "";
        QTest::newRow("thirteen digits") << "参数3" << "1234567.891234567" << "1234567.891234567"
                                         << "1234567.891235";
        QTest::newRow("single keeps six digits") << "密度" << "7850.00001" << "7850.00001" << "7850";
        QTest::newRow("single unchanged") << "密度" << "2700" << "2700" << "2700";
        QTest::newRow("single stock length") << "参数4" << "12.3456789" << "12.3456789" << "12.3457";
        QTest::newRow("short integer takes digits and minus") << "小数位数" << "x5" << "5" << "5";
        QTest::newRow("short integer zero becomes empty") << "小数位数" << "0" << "0" << "";
        QTest::newRow("one character at most") << "小数位数" << "12" << "1" << "1";
        QTest::newRow("point refused in short integer") << "小数位数" << "." << "" << "";
    }
    void numericFieldsFilterTypingAndRewriteOnLeaving()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, left);
        showParameterStrip();
        auto* edit = h().control<QLineEdit>(field.toStdString().c_str());
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
        test::EventLog log(runtime());
        h().control<QWidget>("显示数据")->setFocus();
        QCOMPARE(edit->text(), left);
        const int rewrites = shown == left ? 0 : 1;
        QCOMPARE(log.count(field.toStdString().c_str(), Event::ContentChanged), rewrites);
        QCOMPARE(log.count(field.toStdString().c_str(), Event::LostFocus), 1);
    }

    void pastedFullWidthDigitsPassButLeaveAsZero()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("１２"));
        auto* edit = h().control<QLineEdit>("参数1");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("１２"));
        h().control<QWidget>("显示数据")->setFocus();
        QCOMPARE(edit->text(), QString());
    }

    void focusArrivingInTheLengthFieldSelectsItsText()
    {
        auto* count = h().control<QLineEdit>("参数1");
        auto* length = h().control<QLineEdit>("参数2");
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Tab);
        QVERIFY(length->hasFocus());
        QCOMPARE(length->selectedText(), QStringLiteral("1"));
        QTest::keyClicks(length, "6");
        QCOMPARE(length->text(), QStringLiteral("6"));
    }

    void rollUpTogglesBetween363And30AndRestoresOtherHeights()
    {
        doubleClickTitle();
        QCOMPARE(h().window()->height(), 30);
        doubleClickTitle();
        QCOMPARE(h().window()->height(), 363);
        runtime().writeNumber(WindowId::Main, "", prop::kHeight, 200);
        doubleClickTitle();
        QCOMPARE(h().window()->height(), 363);
    }

    void logWindowOpensDockedWithOneCopyOfTheNotes()
    {
        click("日志按钮");
        QVERIFY(logWindow());
        QCOMPARE(logTag(), std::string("b"));
        verifyDocked();
        QVERIFY(logWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(logWindow()->windowFlags() & Qt::Tool, Qt::Tool);
        const QString text = notes()->toPlainText();
        QVERIFY(text.startsWith(QString(77, '-') + "\n--程序名称:Kalvon-五金2.0b\n\n"));
        QVERIFY(text.endsWith("19:12:52\n\n" + QString(77, '-') + "\n"));
        QCOMPARE(notes()->textCursor().position(), 0);
        QCOMPARE(runtime().readText(WindowId::Log, "开发日志", prop::kContent).size(),
                 [] {
                     std::size_t total = 0;
                     for (const auto& block : ui::versionNoteBlocks())
                         total += block.size();
                     return total;
                 }());

        click("日志按钮");
        QCOMPARE(logTag(), std::string("a"));
        QTRY_VERIFY(!logWindow());
        click("日志按钮");
        QCOMPARE(notes()->toPlainText(), text);  // rebuilt, not appended to
    }

    void logWindowFollowsMovesAndRollUps()
    {
        click("日志按钮");
        test::dragBy(h().control("标题栏"), QPoint(100, 10), QPoint(-40, 25));
        verifyDocked();
        doubleClickTitle();
        QCOMPARE(logWindow()->y(), h().window()->y() + 30);
        doubleClickTitle();
        QCOMPARE(logWindow()->y(), h().window()->y() + 363);

        test::dragBy(h().control("假装说明", WindowId::Log), QPoint(10, 5), QPoint(50, 60));
        QCOMPARE(logWindow()->pos(), h().window()->pos() + QPoint(50, 363 + 60));
        test::dragBy(h().control("假装说明1", WindowId::Log), QPoint(10, 5), QPoint(5, 5));
        QCOMPARE(logWindow()->pos(), h().window()->pos() + QPoint(55, 363 + 65));
        test::dragBy(h().control("开发日志", WindowId::Log), QPoint(10, 50), QPoint(30, 30));
        QCOMPARE(logWindow()->pos(), h().window()->pos() + QPoint(55, 363 + 65));  // no drag
        runtime().writeNumber(WindowId::Main, "", prop::kLeft, h().window()->x() + 1);
        verifyDocked();
    }

    void movingTheMainWindowWithTheLogClosedOnlyStoresItsPlace()
    {
        test::dragBy(h().control("外形框2"), QPoint(200, 5), QPoint(15, 15));
        QCOMPARE(runtime().readNumber(WindowId::Log, "", prop::kTop), h().window()->y() + 363);
        click("日志按钮");
        verifyDocked();
    }

    void doubleClickOnTheHeaderLabelClosesTheLogWindow()
    {
        click("日志按钮");
        QTest::mouseDClick(h().control("假装说明", WindowId::Log), Qt::LeftButton);
        QCOMPARE(logTag(), std::string("a"));
        QTRY_VERIFY(!logWindow());
        click("日志按钮");
        QVERIFY(logWindow());
    }

    void logButtonStillOpensAfterTheSystemClosedTheLogWindow()
    {
        click("日志按钮");
        logWindow()->close();  // what Alt+F4 does
        QTRY_VERIFY(!logWindow());
        QCOMPARE(logTag(), std::string("b"));
        click("日志按钮");
        QVERIFY(logWindow());
        QCOMPARE(logTag(), std::string("b"));
        click("日志按钮");
        QTRY_VERIFY(!logWindow());
        QCOMPARE(logTag(), std::string("a"));
    }

    void otherButtonSwapsTheParameterStripWithTheQuote()
    {
        QWidget* frame = h().control("参数框");
        QWidget* quote = h().control("随机显示标签");
        click("其它按钮");
        QVERIFY(frame->isVisible() && !quote->isVisible());
        QVERIFY(h().control("小数位数")->isVisible());
        click("其它按钮");
        QVERIFY(!frame->isVisible() && quote->isVisible());
    }

    void copyButtonsPutTheShownTextOnTheClipboard_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("field");
        QTest::newRow("unit weight") << "按钮1" << "单位重量";
        QTest::newRow("total weight") << "按钮2" << "结果2";
        QTest::newRow("length from weight") << "按钮3" << "结果3";
        QTest::newRow("bar count") << "按钮4" << "结果4";
    }
    void copyButtonsPutTheShownTextOnTheClipboard()
    {
        QFETCH(QString, button);
        QFETCH(QString, field);
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QTest::mouseClick(h().control(button.toStdString().c_str()), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("77.77"));
        runtime().writeText(WindowId::Main, field.toStdString().c_str(), prop::kContent,
                            test::gbk("1.#INF"));
        QTest::mouseClick(h().control(button.toStdString().c_str()), Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.#INF"));
    }

    void alwaysOnTopCheckBoxTakesOnlyTheMainWindowOut()
    {
        click("日志按钮");
        click("其它按钮");
        auto* box = h().control<QCheckBox>("是否在最前");
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(!box->isChecked());
        QVERIFY(!(h().window()->windowFlags() & Qt::WindowStaysOnTopHint));
        QVERIFY(h().window()->isVisible());
        QVERIFY(logWindow()->windowFlags() & Qt::WindowStaysOnTopHint);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
        QVERIFY(h().window()->windowFlags() & Qt::WindowStaysOnTopHint);
    }

    // Runs the program's message loop until it ends, or until the time is up (exit code 7).
    int runMessageLoop(int milliseconds, std::function<void()> action)
    {
        QTimer::singleShot(0, qApp, std::move(action));
        QTimer::singleShot(milliseconds, qApp, [] { QCoreApplication::exit(7); });
        return QCoreApplication::exec();
    }

    void theProcessRunsOnWhileTheLogWindowAloneIsOpen()
    {
        click("日志按钮");
        QCOMPARE(runMessageLoop(300, [this] { h().window()->close(); }), 7);  // still running
        QVERIFY(!runtime().window(WindowId::Main));
        QCOMPARE(runMessageLoop(2000, [this] { logWindow()->close(); }), 0);  // the last window
    }

    // Last: the exit routine runs once per process.
    void closeButtonRunsTheExitRoutineOnceAndEndsWithZero()
    {
        QCOMPARE(runMessageLoop(2000, [this] { click("关闭按钮"); }), 0);
        QCOMPARE(app::Application::exitRoutineRuns(), 1);
        runtime().endProgram();
        QCOMPARE(app::Application::exitRoutineRuns(), 1);
    }
};

QTEST_MAIN(BehavioursTest)
#include "behaviours_test.moc"
