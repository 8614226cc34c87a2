#include "core/workload/WorkLoadTables.h"

namespace montira::workload {

const std::array<double, kActivityCount>& ActivityRates() {
    static const std::array<double, kActivityCount> r = {0.4, 0.9, 1.0, 1.7, 1.5, 2.5, 3.5,
                                                         5.0, 7.0, 9.0, 0.3, 0.6, 2.5};
    return r;
}

const std::array<QString, kActivityCount>& ActivityCaptions() {
    static const std::array<QString, kActivityCount> c = {
        QStringLiteral("Leve"),         QStringLiteral("Pesado"),   QStringLiteral("Leve"),
        QStringLiteral("Pesado"),       QStringLiteral("Leve"),     QStringLiteral("Pesado"),
        QStringLiteral("Leve"),         QStringLiteral("Moderado"), QStringLiteral("Pesado"),
        QStringLiteral("Muito pesado"), QStringLiteral("Sentado"),  QStringLiteral("Em pé"),
        QStringLiteral("Em movimento")};
    return c;
}

const std::array<QString, kTypeCount>& TypeCaptions() {
    static const std::array<QString, kTypeCount> c = {
        QStringLiteral("Trabalho manual"), QStringLiteral("Um braço"),
        QStringLiteral("Ambos os braços"), QStringLiteral("Corpo inteiro")};
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
        QStringLiteral("Trabalho contínuo"),
        QStringLiteral("75% do tempo em trabalho e 25% do tempo em descanso a cada hora"),
        QStringLiteral("50% do tempo em trabalho e 50% do tempo em descanso a cada hora"),
        QStringLiteral("25% do tempo em trabalho e 75% do tempo em descanso a cada hora")};
    return t;
}

QString OverloadText() {
    return QStringLiteral("Sobrecarga de trabalho");
}

const std::array<QString, kClothingCount>& ClothingNames() {
    static const std::array<QString, kClothingCount> n = {
        QStringLiteral("Vestimentas leves de verão"), QStringLiteral("Casaco de algodão"),
        QStringLiteral("Vestimentas de inverno"), QStringLiteral("Permeável")};
    return n;
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
