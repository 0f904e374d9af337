// Seeded random korveld-cli command lines, rate and select, over every refrigerant, series, unit,
// distributor and option, with entries typed well and badly, in text and JSON: the same seed gives
// the same lines everywhere.
const REFRIGERANTS = ["R-12", "R-22", "R-502", "R-134a", "R-401A", "R-402A", "R-402B", "R-404A", "R-407C", "R-507"];
const SERIES = ["KO", "KO/KE", "KOD", "KOT", "KIM", "QZ", "GL", "G/GY", "VMP", "VRK", "VRD", "VOS", "VAN", "VEB",
  "VULK", "VA", "DQQ/DQ", "OBN", "NYF"];
const UNITS = ["btuh", "tons", "kw", "kcal"];
const DISTRIBUTORS = ["none", "orifice", "venturi", "user"];
const CHARGES = ["W35", "AD 10", "CA", "C", "Z", "ZP", "none", "W45"];
const BLEEDS = ["0", "10", "15", "20", "25", "30", "40", "50"];
const BAD = ["", "abc", "4O", "1,5", "--5", "1e39", "-1e39", "inf", "nan", "0x10", "  ", "12 3", "99999", ".", "-", "1e", "+"];

// mulberry32: a small generator with a 32-bit state.
function generator(seed) {
  let state = seed >>> 0;
  const next = () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (items) => items[Math.floor(next() * items.length)];
  return { next, pick };
}

// A number in [low, high] typed as a user might, now and then one no worksheet takes.
function typed(rng, low, high) {
  if (rng.next() < 0.04) return rng.pick(BAD);
  const value = low + (high - low) * rng.next();
  const form = rng.next();
  if (form < 0.4) return String(Math.round(value));
  if (form < 0.8) return value.toFixed(1 + Math.floor(rng.next() * 4));
  if (form < 0.9) return value.toExponential(3);
  return ` ${value.toFixed(1)} `;
}

function line(rng) {
  const metricUnit = rng.next() < 0.4;
  const unit = metricUnit ? rng.pick(["kw", "kcal"]) : rng.pick(["btuh", "tons"]);
  // Mostly inside the worksheets' ranges, now and then just beyond them.
  const [evap, cond] = metricUnit ? [[-41, 17], [9, 67]] : [[-42, 62], [48, 152]];
  const condValue = cond[0] + (cond[1] - cond[0]) * rng.next();
  const liq = metricUnit ? [-18, condValue - 2] : [0, condValue - 4];
  const select = rng.next() < 0.5;
  const args = [select ? "select" : "rate", "--refrigerant", rng.pick(REFRIGERANTS), "--valve", rng.pick(SERIES)];
  if (unit !== "btuh" || rng.next() < 0.2) args.push("--unit", unit);
  const distributor = rng.pick(DISTRIBUTORS);
  if (distributor !== "orifice" || rng.next() < 0.2) args.push("--distributor", distributor);
  if (distributor === "user") args.push("--pressure-drop", typed(rng, 0, metricUnit ? 3 : 40));
  args.push("--evap", typed(rng, ...evap), "--cond", typed(rng, condValue, condValue), "--liq", typed(rng, ...liq));
  const capacity = { btuh: [2000, 120000], tons: [0.2, 10], kw: [0.6, 35], kcal: [500, 30000] }[unit];
  if (select) {
    args.push("--capacity", typed(rng, ...capacity));
    if (rng.next() < 0.15) args.push("--equalizer", rng.pick(["external", "internal"]));
    if (rng.next() < 0.15) args.push("--connection", rng.pick(["sweat", "flare"]));
    if (rng.next() < 0.1) args.push("--charge", rng.pick(CHARGES));
    if (rng.next() < 0.1) args.push("--bleed", rng.pick(BLEEDS));
  } else if (rng.next() < 0.4) {
    args.push("--system-capacity", typed(rng, ...capacity));
  }
  if (rng.next() < 0.3) args.push("--json");
  return args;
}

export function randomCommandLines(seed, count) {
  const rng = generator(seed);
  return Array.from({ length: count }, () => line(rng));
}
