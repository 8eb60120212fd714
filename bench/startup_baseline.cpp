// The start-up benchmark's baseline: the least a Qt program of ours can show. One frameless
// window of the main window's size, centred like it, painting one line of Chinese text in
// the program's own Song face at 12 px, through the same font substitution. What it costs
// to appear is what Qt and the font cost; the real program is measured against it.
#include "runtime/qt/qt_runtime.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class OneLineWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0xEC, 0xE9, 0xD8));
        painter.setFont(rt::songFont(12, false));
        painter.setPen(Qt::black);
        painter.drawText(QRect(34, 330, 512, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("千里之行，始于足下。"));
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication qtApp(argc, argv);
    rt::installFontSubstitutions();
    OneLineWindow window;
    window.setWindowFlags(Qt::FramelessWindowHint);
    const QSize size(587, 363);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    window.setGeometry(screen.x() + (screen.width() - size.width()) / 2,
                       screen.y() + (screen.height() - size.height()) / 2, size.width(),
                       size.height());
    window.show();
    return QApplication::exec();
}
