// Touch buttons: computing the three looks of the main window's thirteen
// buttons at their sizes (96 dpi), against filling a picture of the same
// pixel count; and one press, from the mouse event to the pressed look being
// the look shown, against one 60 Hz frame.

#include "controls/Funbuttonbilder.h"
#include "controls/Knopfbild.h"
#include "controls/ui/Funbutton.h"
#include "Kurzlauf.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const int kRunden = Kurzlauf::waehle(20, 3);
constexpr double kIniZielMs = 50.0;
constexpr double kDruckZielMs = 1.0;
constexpr double kFrameMs = 1000.0 / 60.0;

void zeile(const char* name, double wert, const char* einheit, double verhaeltnis, const char* basis)
{
    std::printf("%s: %.3f %s (ratio %.2f vs %s)\n", name, wert, einheit, verhaeltnis, basis);
}

template <typename F> double medianMs(F&& lauf)
{
    std::vector<double> zeiten;
    for (int i = 0; i < kRunden; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        lauf();
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + kRunden / 2, zeiten.end());
    return zeiten[kRunden / 2];
}

// The main window's buttons in pixels: four arrows, the take-over button,
// two move buttons, delete, two locks, game, help and the note.
std::vector<QImage> quellen()
{
    std::vector<QImage> bilder;
    for (const Knopfsymbol symbol :
        { Knopfsymbol::SeiteHoch, Knopfsymbol::SeiteRunter, Knopfsymbol::SeiteHoch, Knopfsymbol::SeiteRunter })
        bilder.push_back(Knopfbild(symbol, QSize(56, 80)));
    bilder.push_back(Knopfbild(Knopfsymbol::Uebernehmen, QSize(84, 84)));
    for (const Knopfsymbol symbol : { Knopfsymbol::ZeileHoch, Knopfsymbol::ZeileRunter, Knopfsymbol::Loeschen,
             Knopfsymbol::SchlossOffen, Knopfsymbol::SchlossZu })
        bilder.push_back(Knopfbild(symbol, QSize(60, 68)));
    bilder.push_back(Knopfbild(Knopfsymbol::Smilie, QSize(68, 68)));
    bilder.push_back(Knopfbild(Knopfsymbol::Fragezeichen, QSize(68, 68)));
    bilder.push_back(Knopfbild(Knopfsymbol::Note, QSize(40, 40)));
    return bilder;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const std::vector<QImage> bilder = quellen();
    qint64 pixel = 0;
    for (const QImage& bild : bilder)
        pixel += qint64(bild.width()) * bild.height();

    const double iniMs = medianMs([&] {
        for (const QImage& bild : bilder)
            Funbuttonbilder::berechnen(bild, 0xFF0000, 0xFFFF00);
    });
    const double fuellMs = medianMs([&] {
        QImage flaeche(int(pixel / 1000) + 1, 1000, QImage::Format_RGB32);
        flaeche.fill(Qt::blue);
    });
    std::printf("looks of %zu buttons (%lld source pixels): %.2f ms, target under %.0f ms\n", bilder.size(),
        static_cast<long long>(pixel), iniMs, kIniZielMs);
    zeile("button-ini", iniMs, "ms", iniMs / fuellMs, "QImage fill of the same pixel count");

    QWidget fenster;
    fenster.resize(200, 200);
    auto* knopf = new Funbutton(bilder[4], &fenster);
    knopf->setGeometry(10, 10, 84, 84);
    knopf->Ini(80);
    fenster.show();
    QCoreApplication::processEvents();
    const auto senden = [&](QEvent::Type typ, Qt::MouseButtons gehalten) {
        QMouseEvent e(typ, QPointF(5, 5), knopf->mapToGlobal(QPointF(5, 5)), Qt::LeftButton, gehalten, Qt::NoModifier);
        QApplication::sendEvent(knopf, &e);
    };
    std::vector<double> zeiten;
    for (int i = 0; i < kRunden; ++i) {
        QElapsedTimer uhr;
        uhr.start();
        senden(QEvent::MouseButtonPress, Qt::LeftButton);
        const bool gedrueckt = knopf->sichtbaresBild() == Funbuttonsteuerung::Bild::Gedrueckt;
        zeiten.push_back(double(uhr.nsecsElapsed()) / 1e6);
        if (!gedrueckt)
            std::fprintf(stderr, "the press did not show the pressed look\n");
        senden(QEvent::MouseButtonRelease, Qt::NoButton);
    }
    std::nth_element(zeiten.begin(), zeiten.begin() + kRunden / 2, zeiten.end());
    const double druckMs = zeiten[kRunden / 2];
    std::printf("press to the pressed look, repaint included: %.3f ms, target under %.0f ms\n", druckMs, kDruckZielMs);
    zeile("button-press", druckMs, "ms", druckMs / kFrameMs, "one 60 Hz frame");
    return 0;
}
