// The yardstick of the start-up comparison: the least a Qt program must do to
// show the program's start picture, run in the runtime folder.  A frameless
// full-screen window that loads the same picture the program chooses for
// the screen and paints it; nothing else.
#include <QApplication>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

class Picture : public QWidget {
public:
    explicit Picture(QImage image) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), image_(std::move(image)) {
        setObjectName(QStringLiteral("Image1"));
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter p(this);
        p.fillRect(event->rect(), QColor(192, 192, 192));
        p.drawImage(event->rect().topLeft(), image_, event->rect());
    }

private:
    QImage image_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const bool small = screen && screen->geometry().width() == 800;
    QImage image(small ? QStringLiteral("system/podklad800.bmp") : QStringLiteral("system/podklad.bmp"));
    if (image.isNull()) return 1;
    Picture window(std::move(image));
    // At the screen's size from the first paint on, as the program is.
    if (screen) window.setGeometry(screen->geometry());
    window.showFullScreen();
    return app.exec();
}
