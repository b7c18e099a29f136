// The floor of the start-up benchmark: the least a Qt Widgets program does to
// show what the game shows, two small fixed-size windows, the first with a
// menu bar, the second one active. The game's start-up is measured against it.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget first(nullptr, Qt::Window);
    auto *menuBar = new QMenuBar(&first);
    menuBar->setNativeMenuBar(false);
    QMenu *menu = menuBar->addMenu(QStringLiteral("File"));
    QAction *quit = menu->addAction(QStringLiteral("Quit"));
    QObject::connect(quit, &QAction::triggered, &app, &QApplication::quit);
    menuBar->setGeometry(0, 0, 300, menuBar->sizeHint().height());
    first.setFixedSize(300, 400);
    first.setWindowTitle(QStringLiteral("Floor"));
    first.show();

    QWidget second(nullptr, Qt::Window);
    second.setFixedSize(144, 96);
    second.setWindowTitle(QStringLiteral("Palette"));
    second.show();
    second.raise();
    second.activateWindow();

    return QApplication::exec();
}
