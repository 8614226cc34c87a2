#include "core/workload/WorkLoadTables.h"

#include <QCoreApplication>

namespace montira::workload {

const std::array<double, kActivityCount>& ActivityRates() {
    static const std::array<double, kActivityCount> r = {0.4, 0.9, 1.0, 1.7, 1.5, 2.5, 3.5,
                                                         5.0, 7.0, 9.0, 0.3, 0.6, 2.5};
    return r;
}

const std::array<QString, kActivityCount>& ActivityCaptions() {
    static const std::array<QString, kActivityCount> c = {
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Leve")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Pesado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Leve")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Pesado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Leve")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Pesado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Leve")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Moderado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Pesado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Muito pesado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Sentado")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Em pé")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Em movimento"))};
    return c;
}

const std::array<QString, kTypeCount>& TypeCaptions() {
    static const std::array<QString, kTypeCount> c = {
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Trabalho manual")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Um braço")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Ambos os braços")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Corpo inteiro"))};
    return c;
}

int TypeFirstLevel(int group) {
    return 2 * group;
}
int TypeLastLevel(int group) {
    return group == 3 ? 9 : 2 * group + 1;
}

const std::array<QString, kRegimeCount>& RegimeTexts() {
    static const std::array<QString, kRegimeCount> t = {
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Trabalho contínuo")),
        QStringLiteral(QT_TRANSLATE_NOOP(
            "WorkLoadTables", "75% do tempo em trabalho e 25% do tempo em descanso a cada hora")),
        QStringLiteral(QT_TRANSLATE_NOOP(
            "WorkLoadTables", "50% do tempo em trabalho e 50% do tempo em descanso a cada hora")),
        QStringLiteral(QT_TRANSLATE_NOOP(
            "WorkLoadTables", "25% do tempo em trabalho e 75% do tempo em descanso a cada hora"))};
    return t;
}

QString OverloadText() {
    return QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Sobrecarga de trabalho"));
}

const std::array<QString, kClothingCount>& ClothingNames() {
    static const std::array<QString, kClothingCount> n = {
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Vestimentas leves de verão")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Casaco de algodão")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Vestimentas de inverno")),
        QStringLiteral(QT_TRANSLATE_NOOP("WorkLoadTables", "Permeável"))};
    return n;
}

QString ShownWorkLoadText(const QString& text) {
    return QCoreApplication::translate("WorkLoadTables", text.toUtf8().constData());
}

int ClothingIndex(const QString& text) {
    for (int i = 0; i < kClothingCount; ++i)
        if (ClothingNames()[i] == text) return i;
    return -1;
}

double ClothingCorrection(const QString& text) {
    static const std::array<double, kClothingCount> c = {0, -2, -4, -6};
    const int i = ClothingIndex(text);
    return i < 0 ? 0.0 : c[i];
}

const std::array<double, kRegimeCount>& LightLimits() {
    static const std::array<double, kRegimeCount> l = {30.0, 30.6, 31.4, 32.2};
    return l;
}
const std::array<double, kRegimeCount>& ModerateLimits() {
    static const std::array<double, kRegimeCount> l = {26.7, 28.0, 29.4, 31.1};
    return l;
}
const std::array<double, kRegimeCount>& HeavyLimits() {
    static const std::array<double, kRegimeCount> l = {25.0, 25.9, 27.9, 30.0};
    return l;
}

const std::array<int, kAgeCount>& Ages() {
    static const std::array<int, kAgeCount> a = {20, 25, 30, 35, 40, 45, 50, 55, 60, 65};
    return a;
}

bool IsListedAge(double age) {
    for (int a : Ages())
        if (age == a) return true;
    return false;
}

double AgeFactor(double age) {
    static const std::array<double, kAgeCount> f = {1.00, 0.97, 0.94, 0.86, 0.82,
                                                    0.80, 0.78, 0.76, 0.72, 0.68};
    for (int i = 0; i < kAgeCount; ++i)
        if (age == Ages()[i]) return f[i];
    return 1.0;
}

}  // namespace montira::workload
