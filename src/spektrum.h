#ifndef SPEKTRUM_H
#define SPEKTRUM_H

#include <QString>
#include <QWidget>

#include "daten.h"

class QPaintEvent;

// Draws the last data set handed to it as a line plot under a one-line header.
class Spektrum : public QWidget
{
    Q_OBJECT

public:
    explicit Spektrum(QWidget *parent = nullptr);
    ~Spektrum() override;

    // Read-only views of the drawn state, for the program's tests.
    int channels() const { return kanaele; }
    const float *samples() const { return daten; }
    QString headerText() const;

public slots:
    void neuerung(int zahl);
    void reload(int dimX, float minX, float maxX, float minY, float maxY, float *daten);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int kanaele = 0;
    float minX = 0.0f;
    float maxX = 0.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
    float daten[spektrumKapazitaet] = {};
    float skalaX = 0.0f;
    float skalaY = 0.0f;
};

#endif
