#include "controls/Funbuttonbilder.h"

#include "common/Farbe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// Where the pressed look lies relative to the normal one: half the offset (8, 6).
constexpr int kDruckX = 4;
constexpr int kDruckY = 3;
// The shadow's blur radius and how far it falls to the lower right, in source pixels.
constexpr int kSchattenRadius = 5;
constexpr int kSchattenVersatz = 10;
constexpr int kDichteRand = 15;
// Target points this close to the right or bottom end get no shadow (15 source pixels at 50 %).
constexpr double kSchattenfreierRand = 7.5;
// Half-width of each red band of the disabled look.
constexpr int kBandHalbbreite = 5;

// Half to even, as the colour and distance rules round.
int runden(double wert)
{
    return int(std::nearbyint(wert));
}

int begrenzt(int wert, int oben = 255)
{
    return std::clamp(wert, 0, oben);
}

QRgb geraetepixel(const TypeFarbe& farbe)
{
    return qRgb(begrenzt(farbe.R), begrenzt(farbe.G), begrenzt(farbe.B));
}

bool transparent(QRgb pixel)
{
    return qAlpha(pixel) == 0 || (pixel & 0x00FFFFFFu) == 0x00FFFFFFu;
}

// 32-bit pixel access to one look.
class Pixelfeld {
public:
    Pixelfeld(int breite, int hoehe, QRgb fuellung)
        : m_bild(breite, hoehe, QImage::Format_RGB32)
    {
        m_bild.fill(fuellung);
    }
    int breite() const { return m_bild.width(); }
    int hoehe() const { return m_bild.height(); }
    // Writes outside the picture are dropped: the pressed look is shifted past its edge.
    void setzen(int x, int y, QRgb farbe)
    {
        if (x >= 0 && y >= 0 && x < breite() && y < hoehe())
            reinterpret_cast<QRgb*>(m_bild.scanLine(y))[x] = farbe;
    }
    QImage& bild() { return m_bild; }

private:
    QImage m_bild;
};

// Sum of the blurred artwork, shifted down and right, at source resolution.
// Only the entries the 50 % grid reads (even x and y) are ever read, so only
// those are accumulated.
class Dichtekarte {
public:
    explicit Dichtekarte(const QImage& quelle)
        : m_breite(quelle.width() + kDichteRand)
        , m_hoehe(quelle.height() + kDichteRand)
        , m_werte(size_t(m_breite) * size_t(m_hoehe), 0)
    {
        int gewicht[2 * kSchattenRadius + 1][2 * kSchattenRadius + 1];
        for (int dy = -kSchattenRadius; dy <= kSchattenRadius; ++dy)
            for (int dx = -kSchattenRadius; dx <= kSchattenRadius; ++dx)
                gewicht[dy + kSchattenRadius][dx + kSchattenRadius]
                    = 255 - std::min(255, 25 * runden(std::sqrt(double(dx * dx + dy * dy))));
        for (int y = 0; y < quelle.height(); ++y) {
            const QRgb* zeile = reinterpret_cast<const QRgb*>(quelle.constScanLine(y));
            for (int x = 0; x < quelle.width(); ++x) {
                if (transparent(zeile[x]))
                    continue;
                for (int dy = -kSchattenRadius; dy <= kSchattenRadius; ++dy) {
                    const int ky = y + dy + kSchattenVersatz;
                    if (ky % 2 != 0 || ky >= m_hoehe)
                        continue;
                    for (int dx = -kSchattenRadius; dx <= kSchattenRadius; ++dx) {
                        const int kx = x + dx + kSchattenVersatz;
                        if (kx % 2 == 0 && kx < m_breite)
                            m_werte[size_t(ky) * size_t(m_breite) + size_t(kx)]
                                += gewicht[dy + kSchattenRadius][dx + kSchattenRadius];
                    }
                }
            }
        }
    }
    int wert(int x, int y) const { return m_werte[size_t(y) * size_t(m_breite) + size_t(x)]; }

private:
    int m_breite;
    int m_hoehe;
    std::vector<int> m_werte;
};

TypeFarbe schattiert(const TypeFarbe& c, int abzug)
{
    return { c.R - abzug, c.G - abzug, c.B - abzug };
}

void rotesKreuz(Pixelfeld& bild, int xMax, int yMax)
{
    const QRgb rot = qRgb(255, 0, 0);
    for (int y = 1; y <= yMax; ++y) {
        for (const int mitte : { y, xMax - y }) {
            for (int x = std::max(1, mitte - kBandHalbbreite); x <= std::min(xMax, mitte + kBandHalbbreite); ++x)
                bild.setzen(x, y, rot);
        }
    }
}

} // namespace

qint32 Funbuttonbilder::Schattenfarbe(qint32 Hintergrundfarbe)
{
    const TypeFarbe h = ColorToRGB(Hintergrundfarbe);
    return RGBToColor(
        { runden(std::abs(h.R) * 40 / 100.0), runden(std::abs(h.G) * 40 / 100.0), runden(std::abs(h.B) * 40 / 100.0) });
}

Funbuttonbilder Funbuttonbilder::berechnen(const QImage& PictureMy, qint32 Hintergrundfarbe, qint32 Grundfarbe)
{
    if (PictureMy.isNull())
        return {};
    const QImage quelle = PictureMy.convertToFormat(QImage::Format_ARGB32);
    const int W = quelle.width();
    const int H = quelle.height();
    const TypeFarbe hintergrund = ColorToRGB(Hintergrundfarbe);
    const TypeFarbe c = ColorToRGB(Grundfarbe);
    Pixelfeld normal(W, H, geraetepixel(hintergrund));
    Pixelfeld gedrueckt(W, H, geraetepixel(hintergrund));
    const Dichtekarte dichte(quelle);

    // Rounded down, so that the sample at twice the target point stays inside the source.
    const int xMax = (W - 1) / 2;
    const int yMax = (H - 1) / 2;
    const double h = xMax / 2.0;
    int s = 0;
    int t = 0;
    for (int y = 0; y <= yMax; ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(quelle.constScanLine(2 * y));
        for (int x = 0; x <= xMax; ++x) {
            if (transparent(zeile[2 * x])) {
                if (x + kSchattenfreierRand > xMax || y + kSchattenfreierRand > yMax)
                    continue;
                const int k = runden(dichte.wert(2 * x, 2 * y) / 150.0);
                normal.setzen(x, y, geraetepixel(schattiert(hintergrund, k)));
                continue;
            }
            const int d = runden(std::abs(x - y) / 4.0);
            if (h > 0) {
                s = std::clamp(runden(d * 255 / h), 0, 200);
                t = std::clamp(runden(d * 155 / h), 0, 200);
            }
            const bool naheDiagonale = d <= h;
            gedrueckt.setzen(x + kDruckX, y + kDruckY, geraetepixel(schattiert(c, naheDiagonale ? 100 - s : s - 100)));
            normal.setzen(x, y, geraetepixel(schattiert(c, naheDiagonale ? 10 + t : -100 - t)));
        }
    }

    Funbuttonbilder bilder;
    bilder.normal = normal.bild();
    bilder.gedrueckt = gedrueckt.bild();
    Pixelfeld deaktiviert = normal;
    rotesKreuz(deaktiviert, xMax, yMax);
    bilder.deaktiviert = deaktiviert.bild();
    return bilder;
}
