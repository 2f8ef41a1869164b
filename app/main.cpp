#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quorvane Tonvaro"));
    window.setWindowTitle(QStringLiteral("Quorvane Tonvaro"));
    window.show();
    return app.exec();
}
