// The main window as built from its layout, and the rules by which its properties are read
// and written and its events raised.
#include "event_log.h"
#include "ui_harness.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>

using rt::Event;
using rt::WindowId;
namespace prop = rt::prop;

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    test::RunDir m_runDir;
    std::unique_ptr<test::Harness> m_harness;
    test::Harness& h() { return *m_harness; }

    void loadRows(int count)
    {
        std::vector<rt::TableRow> rows;
        for (int i = 0; i < count; ++i)
            rows.push_back({std::to_string(i + 1), "S" + std::to_string(i + 1), "1.5", ""});
        h().runtime().deleteAllItems(WindowId::Main, "显示数据");
        h().runtime().appendRows(WindowId::Main, "显示数据", rows);
    }
    void clickRow(int row)
    {
        auto* view = h().control<rt::ReportListView>("显示数据");
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

private slots:
    void init()
    {
        m_harness = std::make_unique<test::Harness>(m_runDir);
        h().start();
    }
    void cleanup() { m_harness.reset(); }

    void windowOpensCentredForItsLayoutAndIsCutTo363()
    {
        QWidget* window = h().window();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(window->pos(), QPoint((screen.width() - 587) / 2, (screen.height() - 429) / 2));
        QCOMPARE(window->size(), QSize(587, 363));
        QVERIFY(window->windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window->windowTitle(), QStringLiteral("Kalvon-五金 2.0a"));
        QVERIFY(!h().runtime().window(WindowId::Log));
    }

    void controlsStandWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<QString>("text");
        QTest::newRow("quote label moved to 330") << "随机显示标签" << "" << QRect(34, 330, 512, 22) << true << "";
        QTest::newRow("parameter frame hidden") << "参数框" << "" << QRect(35, 324, 507, 33) << false << "";
        QTest::newRow("outer frame") << "外形框2" << "" << QRect(7, 32, 573, 293) << true << "";
        QTest::newRow("close button") << "关闭按钮" << "" << QRect(556, 0, 31, 17) << true << "";
        QTest::newRow("kind selector") << "选择种类" << "外形框3" << QRect(8, 6, 320, 20) << true << "";
        QTest::newRow("profile table") << "显示数据" << "外形框3" << QRect(8, 30, 320, 211) << true << "";
        QTest::newRow("clipped field label") << "扩展名1" << "外形框1" << QRect(-10, 7, 69, 21) << true << "数量:";
        QTest::newRow("count field") << "参数1" << "外形框1" << QRect(62, 7, 88, 21) << true << "1";
        QTest::newRow("unit weight") << "单位重量" << "外形框4" << QRect(62, 7, 88, 21) << true << "77.77";
        QTest::newRow("known weight") << "参数3" << "外形框5" << QRect(62, 26, 88, 21) << true << "777";
        QTest::newRow("stock length") << "参数4" << "外形框5" << QRect(64, 54, 88, 21) << true << "12";
        QTest::newRow("separator line") << "外形框7" << "外形框5" << QRect(10, 82, 200, 2) << true << "";
        QTest::newRow("bar count copy") << "按钮4" << "外形框5" << QRect(192, 119, 22, 22) << true << "";
        QTest::newRow("density inside hidden frame") << "密度" << "参数框" << QRect(158, 6, 55, 20) << false << "7850";
        QTest::newRow("decimal places") << "小数位数" << "参数框" << QRect(469, 6, 24, 20) << false << "3";
        QTest::newRow("hidden kind field") << "Verrant" << "" << QRect(32, 392, 160, 24) << false << "请下拉选择种类";
    }
    void controlsStandWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QFETCH(bool, visible);
        QFETCH(QString, text);
        QWidget* control = h().control(name.toStdString().c_str());
        QVERIFY(control);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->parentWidget()->objectName(), container);
        QCOMPARE(control->isVisibleTo(h().window()), visible);
        if (auto* edit = dynamic_cast<QLineEdit*>(control))
            QCOMPARE(edit->text(), text);
        if (auto* label = dynamic_cast<rt::TransparentLabel*>(control); label && !text.isEmpty())
            QCOMPARE(label->caption(), text);
    }

    void startUpLoadShowsTheMissingDataRowsAndLeavesResultsAlone()
    {
        auto* view = h().control<rt::ReportListView>("显示数据");
        QCOMPARE(view->model()->rowCount(), 6);
        QCOMPARE(view->rows()->cell(4, 1), QStringLiteral("数据文件损坏!!"));
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), -1);
        QVERIFY(h().control<rt::TransparentLabel>("钢材标准")->caption().startsWith(
            QStringLiteral("没有找到数据文件,")));
        for (const char* field : {"单位重量", "结果2", "结果3", "结果4"})
            QCOMPARE(h().text(field), QStringLiteral("77.77"));
        QCOMPARE(h().runtime().readText(WindowId::Main, "日志按钮", prop::kTag), std::string("a"));
    }

    void positionsAndSizesAreClamped_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("read");
        QTest::newRow("left above the limit") << prop::kLeft << 40000 << 32627;
        QTest::newRow("left below the limit") << prop::kLeft << -40000 << -32627;
        QTest::newRow("negative left kept") << prop::kLeft << -10 << -10;
        QTest::newRow("width above the limit") << prop::kWidth << 99999 << 32627;
        QTest::newRow("negative height") << prop::kHeight << -5 << 0;
    }
    void positionsAndSizesAreClamped()
    {
        QFETCH(int, index);
        QFETCH(int, written);
        QFETCH(int, read);
        h().runtime().writeNumber(WindowId::Main, "透明标签8", index, written);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "透明标签8", index), read);
    }

    void everyProgramWriteRaisesContentChangedOnce()
    {
        test::EventLog log(h().runtime());
        h().runtime().writeText(WindowId::Main, "参数1", prop::kContent, "1");  // the same text
        QCOMPARE(log.count("参数1", Event::ContentChanged), 1);
        h().runtime().writeText(WindowId::Main, "参数1", prop::kContent, "5");
        QCOMPARE(log.count("参数1", Event::ContentChanged), 2);
    }

    void everyUserEditRaisesContentChanged()
    {
        auto* field = h().control<QLineEdit>("参数3");
        field->setFocus();
        field->setCursorPosition(field->text().size());
        test::EventLog log(h().runtime());
        QTest::keyClicks(field, "12");
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(log.count("参数3", Event::ContentChanged), 3);
        QCOMPARE(field->text(), QStringLiteral("7771"));
    }

    void currentRowChangesOnlyWhenTheUserFocusesAnotherRow()
    {
        loadRows(5);
        test::EventLog log(h().runtime());
        clickRow(2);
        QCOMPARE(log.count("显示数据", Event::CurrentRowChanged), 1);
        clickRow(2);  // the focused row again
        QCOMPARE(log.count("显示数据", Event::CurrentRowChanged), 1);
        QTest::keyClick(h().control<QWidget>("显示数据"), Qt::Key_Down);
        QCOMPARE(log.count("显示数据", Event::CurrentRowChanged), 2);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), 3);
        loadRows(5);  // removing and adding rows
        QCOMPARE(log.count("显示数据", Event::CurrentRowChanged), 2);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), -1);
        clickRow(3);  // the row number focused before the reload is a new focus now
        QCOMPARE(log.count("显示数据", Event::CurrentRowChanged), 3);
    }

    void currentRowWritesSelectOneRowAndBelowMinusOneClear()
    {
        loadRows(4);
        h().runtime().writeNumber(WindowId::Main, "显示数据", prop::kCurrentRow, 1);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), 1);
        h().runtime().writeNumber(WindowId::Main, "显示数据", prop::kCurrentRow, 3);
        QCOMPARE(h().control<rt::ReportListView>("显示数据")->selectionModel()->selectedRows().size(), 1);
        h().runtime().writeNumber(WindowId::Main, "显示数据", prop::kCurrentRow, -7);
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), -1);
    }

    void aHeaderClickNeitherSortsNorSelects()
    {
        std::vector<rt::TableRow> rows{{"1", "B", "2", ""}, {"2", "A", "1", ""}};
        h().runtime().deleteAllItems(WindowId::Main, "显示数据");
        h().runtime().appendRows(WindowId::Main, "显示数据", rows);
        auto* view = h().control<rt::ReportListView>("显示数据");
        QHeaderView* header = view->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, 5));
        QCOMPARE(view->rows()->cell(0, 1), QStringLiteral("B"));
        QCOMPARE(h().runtime().readNumber(WindowId::Main, "显示数据", prop::kCurrentRow), -1);
        QVERIFY(!header->sectionsMovable());
    }

    void aFrameShowsAndHidesItsControlsWithIt()
    {
        rt::QtRuntime& runtime = h().runtime();
        runtime.writeText(WindowId::Main, "密度", prop::kContent, "2700");
        QCOMPARE(runtime.readNumber(WindowId::Main, "密度", prop::kVisible), 0);
        runtime.writeNumber(WindowId::Main, "参数框", prop::kVisible, 1);
        QCOMPARE(runtime.readNumber(WindowId::Main, "密度", prop::kVisible), 1);
        QCOMPARE(runtime.readNumber(WindowId::Main, "是否在最前", prop::kChecked), 1);
        QCOMPARE(runtime.readText(WindowId::Main, "密度", prop::kContent), std::string("2700"));
    }

    void closedWindowKeepsWrittenPositionAsItsStoredLayout()
    {
        rt::QtRuntime& runtime = h().runtime();
        runtime.writeNumber(WindowId::Log, "", prop::kLeft, 123);
        runtime.writeNumber(WindowId::Log, "", prop::kTop, 456);
        QCOMPARE(runtime.readNumber(WindowId::Log, "", prop::kLeft), 123);
        QCOMPARE(runtime.readNumber(WindowId::Log, "", prop::kTop), 456);
        QVERIFY(!runtime.window(WindowId::Log));
    }

    void movingTheWindowRaisesMovedOnceBeforeTheWriteReturns()
    {
        test::EventLog log(h().runtime());
        const int left = h().runtime().readNumber(WindowId::Main, "", prop::kLeft);
        h().runtime().writeNumber(WindowId::Main, "", prop::kLeft, left + 40);
        QCOMPARE(log.count("", Event::Moved), 1);
        QCoreApplication::processEvents();
        QCOMPARE(log.count("", Event::Moved), 1);
        h().runtime().writeNumber(WindowId::Main, "", prop::kLeft, left + 40);  // no change
        QCOMPARE(log.count("", Event::Moved), 1);
    }

    void pressOnAFrameDragsTheWindowButNotOnAField()
    {
        QWidget* window = h().window();
        const QPoint start = window->pos();
        test::dragBy(h().control("外形框2"), QPoint(300, 5), QPoint(30, 20));
        QCOMPARE(window->pos(), start + QPoint(30, 20));
        test::dragBy(h().control("参数1"), QPoint(5, 5), QPoint(30, 20));
        QCOMPARE(window->pos(), start + QPoint(30, 20));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
