#pragma once

namespace kalvintera {

// Language lines of the messages with which a fitting's inputs are refused.
inline constexpr int kBranchAboveFlowLine = 1152;   // Vo = %1 larger than V = %2
inline constexpr int kTooRoughLine = 1153;          // k = %1 too large for a duct of %2
inline constexpr int kNoAirLine = 1154;             // no air density or viscosity
inline constexpr int kNoFrictionFactorLine = 1162;  // no friction factor for Re = %1

enum class TeePath { Passage, Branch };      // "PRZELOT", "ODGAŁĘŹIENIE"
enum class TeeFlow { Dividing, Converging }; // "ROZPŁYW", "ŁĄCZENIE STRUG"

// One fitting's inputs in the units the formulas use. Flows are in m³/h as the dialog
// takes them; rectangular kinds work in m³/s internally.
struct FittingInput {
    int kind = 1;
    double length_m = 0;
    double d1_m = 0;
    double d2_m = 0;
    double a_m = 0;
    double b_m = 0;
    double c_m = 0;
    double d_m = 0;
    double angle_deg = 90;
    double radius_m = 0;
    double offset_m = 0;
    double flow_m3h = 0;
    double branch_flow_m3h = 0;
    double additional_loss_pa = 0;
    double roughness_m = 0;
    int round_elbow_type = 0; // position in the round elbow type list
    int rect_elbow_type = 0;  // position in the rectangular elbow type list
    TeePath tee_path = TeePath::Passage;
    TeeFlow tee_flow = TeeFlow::Dividing;
};

// The air the losses are computed for.
struct AirState {
    double density_kgm3 = 0;
    double viscosity_m2s = 0; // kinematic
};

struct FittingVelocityResult {
    double dh1_m = 0; // hydraulic diameters
    double dh2_m = 0;
    double w1_ms = 0; // velocities at the inlet and at the second cross-section
    double w2_ms = 0;
};

struct FittingResult {
    double dh1_m = 0;
    double dh2_m = 0;
    double w1_ms = 0;
    double w2_ms = 0;
    double reynolds = 0;
    double lambda = 0;         // friction factor
    double zeta = 0;           // local loss coefficient
    double friction_pa = 0;    // dpl
    double local_pa = 0;       // dpm
    double additional_pa = 0;  // dpp
    double total_pa = 0;       // dpc
};

// Hydraulic diameters and velocities. Round ducts take π as 3.1415, as the handbook's
// velocity formula does. The second cross-section is only the tees' and reducers'.
FittingVelocityResult FittingVelocities(const FittingInput& input);

// The stepped friction-factor search on the Colebrook–White equation: λ grows from 0 by
// 0.00001 (by repeated addition) until 1/√λ falls below −2·log10(2.51/(√λ·Re) + 0.27·k/dh).
struct FrictionSearch {
    double lambda = 0;
    long long steps = 0;
};

// The search stops only where the equation has a root it can reach: DataError for
// Re ≤ 0, a negative roughness, or 0.27·k/dh ≥ 1 (a duct rougher than its own size), and
// for a friction factor beyond any duct's (more than kMaxFrictionSteps steps).
inline constexpr long long kMaxFrictionSteps = 1'000'000;
FrictionSearch SearchFrictionFactor(double reynolds, double roughness_m, double hydraulic_diameter_m);
double FrictionFactor(double reynolds, double roughness_m, double hydraulic_diameter_m);

// Tee coefficients from the flows (any one unit), hydraulic diameters, branch angle and
// flow case.
struct TeeInput {
    double flow = 0;        // main flow V
    double branch_flow = 0; // Vo
    double dh1_m = 0;
    double dh2_m = 0;
    double angle_deg = 90;
    TeeFlow flow_case = TeeFlow::Dividing;
};
struct TeeCoefficients {
    double passage = 0; // ζp
    double branch = 0;  // ζo
};
TeeCoefficients TeeLossCoefficients(const TeeInput& input);

// ζ of the fitting from the loss tables or the tee formulas; Re = w1·dh1/ν.
double LocalLossCoefficient(const FittingInput& input, const FittingVelocityResult& velocities, double reynolds);

// Everything of one fitting. DataError for inputs the formulas cannot take: a flow not
// above zero, a size the kind divides by that is not above zero, a negative size or
// roughness, air without density or viscosity, and the friction search's refusals.
FittingResult FittingLoss(const FittingInput& input, const AirState& air);

// The additional loss entered as Pa or as a coefficient, each converted to the other
// with the inlet velocity.
double AdditionalLossToCoefficient(double loss_pa, double w1_ms, double density_kgm3);
double AdditionalCoefficientToLoss(double coefficient, double w1_ms, double density_kgm3);

} // namespace kalvintera
