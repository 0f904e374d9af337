#include "refconts.h"

#include <array>

namespace korveld {
namespace {

using Coefficients = std::array<float, 5>;

struct CoefficientRow {
    std::int16_t set;
    Coefficients c;
};
using CoefficientTable = std::array<CoefficientRow, 9>;

// Saturation pressure, psia; for the blends the dew pressure. Also the curve of Sensitivity.
constexpr CoefficientTable kPEvap{{
    {1, {23.84819f, 0.5057489f, 0.0041285125f, 1.4863375e-05f, 1.2911612e-08f}},
    {2, {38.648273f, 0.81350046f, 0.0065795463f, 2.2581366e-05f, 2.2116922e-08f}},
    {3, {21.15907f, 0.4983687f, 0.0046097864f, 1.942367e-05f, 2.4704903e-08f}},    // R-134a
    {4, {21.669289f, 0.5014774f, 0.004543147f, 1.875112e-05f, 2.141603e-08f}},     // R-401A
    {5, {50.21054f, 1.0219041f, 0.007887363f, 2.6677966e-05f, 4.0989132e-08f}},    // R-402A
    {6, {47.53711f, 0.96955967f, 0.007573355f, 2.680514e-05f, 2.061142e-08f}},     // R-404A
    {7, {46.081017f, 0.9488854f, 0.0073951f, 2.50827e-05f, 4.503203e-08f}},        // R-402B
    {8, {45.742874f, 0.923675f, 0.0070598107f, 1.9172505e-05f, 2.9444504e-08f}},
    {9, {33.54936f, 0.7569616f, 0.0066918996f, 2.7302534e-05f, 3.7860392e-08f}},   // R-407C
}};

// Condenser side, psia: the pure refrigerants and azeotropes reuse their PEvap curve,
// the blends have their own bubble-pressure curve.
constexpr CoefficientTable kPCond{{
    kPEvap[0],
    kPEvap[1],
    kPEvap[2],                                                                     // R-134a
    {4, {27.528353f, 0.6041028f, 0.0047495486f, 2.0821846e-05f, 1.0976402e-08f}},  // R-401A
    {5, {52.51335f, 1.0698191f, 0.0075702793f, 2.9568351e-05f, 1.955627e-08f}},    // R-402A
    {6, {48.535454f, 0.9821868f, 0.007611157f, 2.5558116e-05f, 3.031905e-08f}},    // R-404A
    {7, {49.157124f, 0.9877174f, 0.0073961955f, 2.6502548e-05f, 2.1431301e-08f}},  // R-402B
    kPEvap[7],
    {9, {42.389862f, 0.97854125f, 0.0060609104f, 3.735333e-05f, -1.2494403e-08f}}, // R-407C
}};

// Saturated vapour enthalpy, Btu/lb.
constexpr CoefficientTable kHVap{{
    {1, {77.27117f, 0.10698605f, -5.9823597e-05f, -2.766753e-07f, -5.0330823e-10f}},
    {2, {104.46525f, 0.09939239f, -0.00016484215f, -5.1658753e-07f, -8.980332e-10f}},
    {3, {103.13533f, 0.14645928f, -8.142961e-05f, -4.2549732e-07f, -7.6370804e-10f}},  // R-134a
    {4, {104.77308f, 0.13369688f, -5.695253e-05f, -6.679037e-07f, 1.2919026e-09f}},    // R-401A
    {5, {86.65912f, 0.12797911f, -0.00016811868f, -1.0112849e-06f, -1.5877867e-09f}},  // R-402A
    {6, {91.333595f, 0.14575249f, -0.00015520693f, -5.4640805e-07f, -1.3316094e-08f}}, // R-404A
    {7, {93.65513f, 0.12243554f, -0.00013568137f, -6.006167e-07f, -1.1431065e-08f}},   // R-402B
    {8, {77.68989f, 0.11004488f, -0.00012749655f, -5.18717e-07f, -1.4272528e-09f}},
    {9, {110.51296f, 0.14609689f, -0.00014442761f, -1.1615326e-06f, 5.4115196e-10f}},  // R-407C
}};

// Liquid enthalpy, Btu/lb.
constexpr CoefficientTable kHLiq{{
    {1, {8.523157f, 0.21510813f, 9.240752e-05f, -1.5804287e-07f, 2.9862897e-09f}},
    {2, {10.418145f, 0.2658826f, 0.00026156532f, -1.0435634e-06f, 6.8420594e-09f}},
    {3, {12.291556f, 0.3089219f, 0.00019989828f, -2.672436e-07f, 3.83107e-09f}},    // R-134a
    {4, {10.779916f, 0.28512585f, 3.2808668e-05f, 1.0249317e-06f, 1.9459976e-09f}}, // R-401A
    {5, {11.635861f, 0.2850647f, 0.00046210442f, -3.4722852e-06f, 2.7075286e-08f}}, // R-402A
    {6, {13.059942f, 0.2954579f, 0.0011050886f, -9.702897e-06f, 5.0885077e-08f}},   // R-404A
    {7, {11.407224f, 0.29609907f, -1.4200092e-05f, 1.51969e-06f, 7.0143362e-09f}},  // R-402B
    {8, {9.654932f, 0.2488965f, 0.00046587185f, -2.784486e-06f, 1.1312509e-08f}},
    {9, {12.408466f, 0.3132615f, 0.0006075784f, -3.246645e-06f, 1.9975674e-08f}},   // R-407C
}};

// Liquid density, lb/ft³.
constexpr CoefficientTable kLiqDensity{{
    {1, {90.65481f, -0.10351248f, -0.00013762589f, 1.6112736e-07f, -3.0249276e-09f}},
    {2, {83.814415f, -0.10685425f, -0.0002035412f, 9.081127e-07f, -7.608282e-09f}},
    {3, {84.22486f, -0.10401358f, -0.00016492391f, 5.261583e-07f, -5.661566e-09f}},   // R-134a
    {4, {83.461716f, -0.1084244f, -9.98289e-05f, 8.265233e-08f, -1.02e-09f}},         // R-401A
    {5, {84.47115f, -0.13148314f, -0.00091216306f, 6.846438e-06f, -4.0348667e-08f}},  // R-402A
    {6, {75.58898f, -0.09639064f, -0.0008094031f, 8.648978e-06f, -5.3473045e-08f}},   // R-404A
    {7, {83.94573f, -0.1276736f, -0.0005745749f, 3.0194683e-06f, -2.1308505e-08f}},   // R-402B
    {8, {86.64348f, -0.11605768f, -0.00044418054f, 3.6260174e-06f, -2.234014e-08f}},
    {9, {81.09852f, -0.1228563f, -0.00021769277f, 1.8576056e-06f, -1.1412427e-08f}},  // R-407C
}};

bool knownSet(std::int16_t RefIndex) {
    return RefIndex >= kFirstRefIndex && RefIndex <= kLastRefIndex;
}

float evaluate(const CoefficientTable& table, std::int16_t RefIndex, float T) {
    const Coefficients& c = table[static_cast<std::size_t>(RefIndex - 1)].c;
    return RefPoly(T, c[0], c[1], c[2], c[3], c[4]);
}

} // namespace

float RefPoly(float T, float c0, float c1, float c2, float c3, float c4) {
    const std::array<float, 5> PolyCoef{c0, c1, c2, c3, c4};
    // Powers of T in double: T² is exact for a Single, T³ and T⁴ are each rounded once.
    const double t = T;
    const double t2 = t * t;
    const std::array<double, 5> power{1.0, t, t2, t2 * t, t2 * t2};
    float sum = 0.0f;
    for (std::size_t i = 0; i < PolyCoef.size(); ++i) {
        sum = static_cast<float>(power[i] * PolyCoef[i] + sum);
    }
    return sum;
}

void RefProperties(std::int16_t RefIndex, float EvapTemp, float CondTemp, float LiqTemp, float& PEvap, float& HVap,
                   float& PCond, float& HLiq, float& LiqDensity) {
    if (!knownSet(RefIndex)) {
        return;
    }
    PEvap = evaluate(kPEvap, RefIndex, EvapTemp);
    HVap = evaluate(kHVap, RefIndex, EvapTemp);
    PCond = evaluate(kPCond, RefIndex, CondTemp);
    HLiq = evaluate(kHLiq, RefIndex, LiqTemp);
    LiqDensity = evaluate(kLiqDensity, RefIndex, LiqTemp);
}

float Sensitivity(float EvapTemp, std::int16_t RefIndex) {
    if (EvapTemp > 0.0f) {
        return 1.0f;
    }
    if (!knownSet(RefIndex)) {
        return 0.0f;
    }
    const std::array<float, 4> TempPts{44.0f, 40.0f, EvapTemp, static_cast<float>(EvapTemp + 6.5)};
    std::array<float, 4> PressPts{};
    for (std::size_t i = 0; i < TempPts.size(); ++i) {
        PressPts[i] = evaluate(kPEvap, RefIndex, TempPts[i]);
    }
    const double rise = static_cast<double>(PressPts[3]) - PressPts[2];
    const double reference = static_cast<double>(PressPts[0]) - PressPts[1];
    return static_cast<float>(rise / reference);
}

} // namespace korveld
