#include "bench/offscreen_app.h"

#include "data/data_cipher.h"
#include "runtime/files.h"
#include "runtime/gbk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace bench {
namespace {

const QString kConfigFolder = QStringLiteral("配置文件");

}  // namespace

OffscreenApp::OffscreenApp(int& argc, char** argv)
{
    // The benchmarks' own choice of platform; the program itself reads no environment.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    m_qt = std::make_unique<QApplication>(argc, argv);

    // Copy of the shipped folder, so synthetic tables never land beside the real program.
    const QDir shipped(QStringLiteral(KALVON_SHIPPED_DATA));
    QDir(m_dir.path()).mkdir(kConfigFolder);
    const QDir target(m_dir.path() + QLatin1Char('/') + kConfigFolder);
    for (const QFileInfo& file : shipped.entryInfoList(QDir::Files))
        QFile::copy(file.filePath(), target.filePath(file.fileName()));
}

OffscreenApp::~OffscreenApp()
{
    m_app.reset();
    m_qt.reset();
}

void OffscreenApp::addTable(const std::string& utf8Kind, const std::string& gbkPlaintext)
{
    QFile file(m_dir.path() + QLatin1Char('/') + kConfigFolder + QLatin1Char('/')
               + QString::fromStdString(utf8Kind) + QStringLiteral(".kvd"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    const std::string container = data::sealDataFile(gbkPlaintext);
    file.write(container.data(), static_cast<qint64>(container.size()));
}

std::string OffscreenApp::runDirectory() const
{
    return rt::utf8ToGbk(m_dir.path().toStdString());
}

void OffscreenApp::start()
{
    m_app = std::make_unique<app::Application>(runDirectory());
    m_app->start();
    settle();
}

void OffscreenApp::loadKind(const std::string& gbkKind)
{
    runtime().writeText(rt::WindowId::Main, "Verrant", rt::prop::kContent, gbkKind);
}

void OffscreenApp::settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::string OffscreenApp::largestShippedKind() const
{
    const QDir shipped(QStringLiteral(KALVON_SHIPPED_DATA));
    const QFileInfoList tables =
        shipped.entryInfoList({QStringLiteral("*.kvd")}, QDir::Files, QDir::Size);
    if (tables.isEmpty())
        return {};
    return rt::utf8ToGbk(tables.front().completeBaseName().toStdString());
}

}  // namespace bench
