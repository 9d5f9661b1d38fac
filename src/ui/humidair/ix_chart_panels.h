#pragma once

#include "ui/common/language_texts.h"

#include <QGroupBox>

#include <string>
#include <vector>

class QLabel;

namespace kalvintera {

// "Parametry powietrza": the state under the pointer, one line per value. The wet-bulb
// line is there but hidden.
class ReadoutPanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit ReadoutPanel(QWidget* parent = nullptr);
    void showLines(const std::vector<std::string>& lines);
    QStringList lines() const;

private:
    std::vector<QLabel*> lines_;
};

// "WYKRES MOLIERA": the pressure the chart is drawn for.
class PressurePanel final : public QGroupBox {
    Q_OBJECT
public:
    explicit PressurePanel(QWidget* parent = nullptr);
    void showCaption(const QString& caption);
    QString caption() const;

private:
    QLabel* caption_ = nullptr;
};

// "Legenda": which colour is which family of lines.
class ChartLegend final : public QGroupBox {
    Q_OBJECT
public:
    explicit ChartLegend(QWidget* parent = nullptr);
    // The language lines of its captions and hints.
    void bindTexts(LanguageTexts& texts);

private:
    QLabel* humidity_ = nullptr;
    QLabel* density_ = nullptr;
    QLabel* enthalpy_ = nullptr;
};

} // namespace kalvintera
