// The operating conditions both worksheets derive before rating valves: the temperatures in °F,
// the distributor's pressure drop and the pressure difference left across the valve.
#pragma once

#include <cstdint>

namespace korveld {

enum class CapacityUnit : std::int16_t { BtuH = 1, Tons = 2, KW = 3, KCal = 4 };
enum class PressureUnit : std::int16_t { Psi = 1, Bars = 2 };

inline constexpr bool IsMetric(CapacityUnit unit) {
    return unit == CapacityUnit::KW || unit == CapacityUnit::KCal;
}

// The running calculation, as a rating or a selection leaves it and the program-wide variables hold
// it: temperatures in °F, pressures in psia and pressure differences in psi, enthalpies in Btu/lb,
// density in lb/ft³, the mass flow in lb/min per ton; UnitMultiplier and FlowMultiplier as the
// calculation that set them defines them (a selection sets no FlowMultiplier).
struct Conditions {
    float EvapTemp = 0.0f;
    float CondTemp = 0.0f;
    float LiqTemp = 0.0f;
    float PEvap = 0.0f;
    float HVap = 0.0f;
    float PCond = 0.0f;
    float HLiq = 0.0f;
    float LiqDensity = 0.0f;
    float Sensit = 0.0f;
    float DistPressDrop = 0.0f;
    float DeltaP = 0.0f;
    float MassFlow = 0.0f;
    float UnitMultiplier = 0.0f;
    float FlowMultiplier = 0.0f;

    bool operator==(const Conditions&) const = default;
};

enum class Distributor { None, Venturi, Orifice, UserDefined };

inline constexpr float kVenturiDrop = 15.0f;    // psi
inline constexpr float kOrificeDrop = 35.0f;    // psi
inline constexpr float kValveAllowance = 15.0f; // psi, deducted from every pressure difference
inline constexpr float kMinimumDeltaP = 20.0f;  // psi; below it no valve is rated
inline constexpr double kBtuPerMinutePerTon = 200.0;
inline constexpr double kBtuPerHourPerTon = 12000.0;
inline constexpr double kPsiPerBar = 14.5;

inline constexpr double FahrenheitFromCelsius(double celsius) {
    return celsius * (9.0 / 5.0) + 32.0;
}
inline constexpr double CelsiusFromFahrenheit(double fahrenheit) {
    return (fahrenheit - 32.0) * (5.0 / 9.0);
}
inline constexpr double PsiFromBars(double bars) {
    return bars * kPsiPerBar;
}
inline constexpr double BarsFromPsi(double psi) {
    return psi / kPsiPerBar;
}

// Distributor pressure drop in psi; a user-defined distributor keeps the drop typed (already in psi).
inline constexpr float DistributorDrop(Distributor distributor, float userDefinedDrop) {
    switch (distributor) {
    case Distributor::None:
        return 0.0f;
    case Distributor::Venturi:
        return kVenturiDrop;
    case Distributor::Orifice:
        return kOrificeDrop;
    case Distributor::UserDefined:
        return userDefinedDrop;
    }
    return 0.0f;
}

// DeltaP = PCond − PEvap − DistPressDrop − 15, worked in double and stored as a Single.
inline constexpr float PressureDifference(float PCond, float PEvap, float DistPressDrop) {
    return static_cast<float>(static_cast<double>(PCond) - PEvap - DistPressDrop - kValveAllowance);
}

inline constexpr bool DeltaPTooSmall(float DeltaP) {
    return DeltaP < kMinimumDeltaP;
}

// The message both worksheets show when DeltaP < 20 psi.
inline constexpr const char* kDeltaPTooSmallText =
    "The pressure drop across is two small.  Check your inputs to make sure they are valid.";
inline constexpr const char* kDeltaPTooSmallTitle = "PRESSURE DROP ACROSS VALVE TO SMALL";

} // namespace korveld
