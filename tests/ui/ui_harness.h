// A running program for window tests: a temporary run directory with its own 配置文件
// (kinds file, standards file and tables sealed by the core's own seal function), the
// application started on it, and its controls found by layout name.
#pragma once

#include "app/application.h"
#include "data/data_cipher.h"
#include "runtime/gbk.h"
#include "runtime/qt/controls.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>
#include <string>

namespace test {

inline std::string gbk(const char* utf8) { return rt::utf8ToGbk(utf8); }

// Presses the left button on a control, moves the mouse by an offset and releases it. The
// moves go through the window, as a real mouse's do.
inline void dragBy(QWidget* control, QPoint at, QPoint offset)
{
    QWidget* window = control->window();
    QWindow* handle = window->windowHandle();
    const QPoint globalStart = control->mapToGlobal(at);
    // The window may move under the mouse: every step aims at a fixed screen point.
    const auto local = [&](QPoint global) { return window->mapFromGlobal(global); };
    QTest::mousePress(handle, Qt::LeftButton, {}, local(globalStart));
    QTest::mouseMove(handle, local(globalStart + offset / 2));
    QTest::mouseMove(handle, local(globalStart + offset));
    QTest::mouseRelease(handle, Qt::LeftButton, {}, local(globalStart + offset));
}

class RunDir {
public:
    RunDir() { QDir(m_dir.path()).mkdir(QStringLiteral("配置文件")); }

    QString path() const { return m_dir.path(); }
    QString configPath(const QString& name) const
    {
        return m_dir.path() + QStringLiteral("/配置文件/") + name;
    }
    std::string gbkPath() const { return rt::utf8ToGbk(m_dir.path().toStdString()); }

    void writeBytes(const QString& name, const std::string& bytes) const
    {
        QFile file(configPath(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    // Texts are given as UTF-8 and stored as the program keeps them: GBK.
    void writeKinds(const char* utf8) const { writeBytes(QStringLiteral("1种类.ini"), gbk(utf8)); }
    void writeStandards(const char* utf8) const
    {
        writeBytes(QStringLiteral("0标准配置.ini"), gbk(utf8));
    }
    void writeTable(const QString& kind, const char* utf8Plaintext) const
    {
        writeBytes(kind + QStringLiteral(".kvd"), data::sealDataFile(gbk(utf8Plaintext)));
    }

private:
    QTemporaryDir m_dir;
};

class Harness {
public:
    explicit Harness(const RunDir& runDir) : m_app(std::make_unique<app::Application>(runDir.gbkPath()))
    {
    }
    // Starts the program and makes its window the active one, so that focus moves (and
    // the fields' rewrite on losing it) happen as they do for a user.
    void start()
    {
        m_app->start();
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
    }
    rt::QtRuntime& runtime() { return m_app->runtime(); }
    QWidget* window(rt::WindowId id = rt::WindowId::Main) { return runtime().window(id); }

    template <class Control = QWidget>
    Control* control(const char* name, rt::WindowId id = rt::WindowId::Main)
    {
        return dynamic_cast<Control*>(runtime().control(id, name));
    }
    QString text(const char* editBox) { return control<QLineEdit>(editBox)->text(); }

private:
    std::unique_ptr<app::Application> m_app;
};

}  // namespace test
