#include "spektrum.h"

#include <QBrush>
#include <QColor>
#include <QLine>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPointF>

#include <algorithm>
#include <climits>
#include <cmath>

Spektrum::Spektrum(QWidget *parent)
    : QWidget(parent)
{
    setPalette(QPalette(QColor(255, 255, 255, 255)));
    setAutoFillBackground(true);
}

Spektrum::~Spektrum() = default;

void Spektrum::neuerung(int zahl)
{
    kanaele = zahl;
    update();
}

void Spektrum::reload(int dimX, float minX, float maxX, float minY, float maxY, float *daten)
{
    kanaele = dimX;
    this->minX = minX;
    this->maxX = maxX;
    this->minY = minY;
    this->maxY = maxY;
    const int anzahl = dimX < 0 ? 0 : std::min(dimX, spektrumKapazitaet - 1) + 1;
    std::copy(daten, daten + anzahl, this->daten);
    update();
}

QString Spektrum::headerText() const
{
    return tr("Kanäle: ") + QString::number(kanaele, 10)
           + " - Emin: " + QString::number(double(minX), 'g', 6)
           + " - Emax: " + QString::number(double(maxX), 'g', 6)
           + " - Ymin: " + QString::number(double(minY), 'g', 6)
           + " - Ymax: " + QString::number(double(maxY), 'g', 6);
}

// Pixel coordinates saturate rather than overflow for huge samples; the
// negation stays in range because the lower bound is -INT_MAX.
static int pixel(double wert)
{
    return std::max(truncateToInt(wert), -INT_MAX);
}

void Spektrum::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(QBrush(Qt::black, Qt::SolidPattern), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));

    const int w = width();
    const int h = height();
    painter.translate(QPointF(0.0, h));
    painter.drawLine(QLine(5, -15, w - 5, -15));
    painter.drawText(QPointF(20.0, 15 - h), headerText());
    painter.translate(QPointF(15.0, -15.0));

    skalaY = static_cast<float>(double(h - 20) / double(maxY));
    if (kanaele <= 0)
        return;
    skalaX = static_cast<float>(double(w - 20) / double(kanaele));
    // A maxY of 0 and the like leave no scale to draw by.
    if (!std::isfinite(skalaX) || !std::isfinite(skalaY))
        return;

    // Channel kanaele reads sample kanaele, so the storage bounds the channels drawn.
    const int letzter = std::min(kanaele, spektrumKapazitaet - 1);
    auto punkt = [this](int j) {
        return QPoint(pixel(j * double(skalaX)), -pixel(daten[j] * double(skalaY)));
    };
    QPoint rechts;
    QPoint links = punkt(0);
    for (int i = 0; i < letzter; ++i) {
        rechts = punkt(i + 1);
        const QLine segment(rechts, links);
        painter.drawLines(&segment, 1);
        links = rechts;
    }
}
