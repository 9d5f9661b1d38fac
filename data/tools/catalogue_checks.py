"""Checks of the generated catalogue: what the program computes from the record texts, and
what a demonstration of its searches needs."""

import math

from catalogue_base import (CAPACITY, INTEGRATED_SETS, NUMERIC, STACK_HIGH, STACK_LOW, check, poly_eval,
                            read_number, record_polynomial, samples)


def interpolate(x1, y1, x2, y2, x):
    return y1 + (x - x1) / (x2 - x1) * (y2 - y1)


def reaches_duty(record, tables, v_req, dp_req):
    name = record.get("CurveFile", "")
    if name:
        flows, pressures, _ = tables[name]
        x = v_req * 3600
        s = 0
        while s + 1 < len(flows) and flows[s + 1] <= x:
            s += 1
        s = min(s, len(flows) - 2)
        dp = interpolate(flows[s], pressures[s], flows[s + 1], pressures[s + 1], x)
    else:
        dp = poly_eval(record_polynomial(record, "PressureCoef"), v_req)
    return dp >= dp_req


def check_fan(record, tables):
    model = record["Model"]
    flow_min, flow_max = read_number(record["FlowMin"]), read_number(record["FlowMax"])
    check(0 < flow_min < flow_max, f"{model}: flow range")
    name = record.get("CurveFile", "")
    if name:
        flows, pressures, efficiencies = tables[name]
        check(10 <= len(flows) <= 40, f"{model}: {len(flows)} curve points")
        check(all(a < b for a, b in zip(flows, flows[1:])), f"{model}: curve flows must increase")
        check(all(a > b for a, b in zip(pressures, pressures[1:])), f"{model}: curve pressure must fall")
        check(flows[0] <= flow_min * 3600 and flow_max * 3600 <= flows[-1],
              f"{model}: flow range outside the curve table")
        check_single_maximum(model, efficiencies, 30, 75)
    else:
        pressure = record_polynomial(record, "PressureCoef")
        efficiency = record_polynomial(record, "EfficiencyCoef")
        flows = samples(flow_min, flow_max)
        values = [poly_eval(pressure, v) for v in flows]
        check(all(a > b for a, b in zip(values, values[1:])), f"{model}: pressure must fall with flow")
        check(values[-1] > 0, f"{model}: pressure at FlowMax")
        check_single_maximum(model, [100 * poly_eval(efficiency, v) for v in flows], 30, 75)
    check(int(record["Pressure2"]) > read_number(record["Pressure1"]), f"{model}: Pressure2")
    check(len(record["SoundSpectrum[8]"]) > 0, f"{model}: sound spectrum")
    check_sound_figures(record)


def check_sound_figures(record):
    """The total of the spectrum is the bands' energy sum and the stated sound power; the
    level at 1 m lies below the sound power."""
    model = record["Model"]
    bands = [int(record[f"SoundSpectrum[{b}]"]) for b in range(8)]
    total = int(record["SoundSpectrum[8]"])
    check(round(10 * math.log10(sum(10 ** (x / 10) for x in bands))) == total,
          f"{model}: the spectrum total is not the sum of its bands")
    check(int(record["SoundLevel2"]) == total, f"{model}: the sound power differs from the spectrum total")
    check(int(record["SoundLevel1m"]) < int(record["SoundLevel2"]),
          f"{model}: the level at 1 m is not below the sound power")


def check_single_maximum(model, values, low, high):
    check(all(low <= v <= high for v in values), f"{model}: efficiency outside {low}..{high} %")
    top = values.index(max(values))
    check(0 < top < len(values) - 1, f"{model}: the efficiency maximum is not inside the flow range")
    check(all(a <= b for a, b in zip(values[:top], values[1:top + 1]))
          and all(a >= b for a, b in zip(values[top:], values[top + 1:])),
          f"{model}: the efficiency has more than one maximum")


def check_second_polynomial(record):
    model = record["Model"]
    second = [float(record[f"ExtraCoef[0][{4 - k}]"]) for k in range(5)]
    low, high = float(record["ExtraCoef[2][0]"]), float(record["ExtraCoef[2][1]"])
    first = record_polynomial(record, "PressureCoef")
    for v in samples(low, high):
        check(0 < poly_eval(second, v) < poly_eval(first, v), f"{model}: pressure with the accessory at {v:.3f}")


def stack_pressure(ti, te, height, pressure=101300.0, humidity=50.0):
    def density(t):
        ps = (0.00042531839 * t ** 4 + 0.026198398307 * t ** 3 + 1.379245931636 * t ** 2
              + 44.590652450291 * t + 612.858088403926)
        phi = humidity / 100
        x = 0.622 * phi * ps / (pressure - phi * ps)
        return pressure * (x + 1) / ((x + 0.622) * 462 * (t + 273.15))

    return (density(te) - density(ti)) * 9.81 * height


def is_kind(record, text):
    return text in record.get("NamePl", "")


def check_catalogue(records, tables):
    models = [r["Model"] for r in records]
    check(len(models) == len(set(models)), "Model texts must be unique")
    by_model = {r["Model"]: r for r in records}
    for r in records:
        for field, value in r.items():
            check(field in CAPACITY, f"{r['Model']}: unknown field {field}")
            check(len(value) <= CAPACITY[field], f"{r['Model']}: {field} longer than {CAPACITY[field]}")
            check(not any(c in value for c in "\\\n\r\t"), f"{r['Model']}: {field} holds a control character")
            if field not in NUMERIC and field.startswith(("ExtraCoef", "Pressure")):
                check("." not in value and "," not in value,
                      f"{r['Model']}: {field} is read as stored and must not depend on the decimal separator")
        for language in ("NamePl", "NameEn", "NameDe", "NameRu"):
            check(r.get(language), f"{r['Model']}: {language} missing")
        for k in range(20):
            slot = r.get(f"Accessories[{k}]")
            check(not slot or slot in by_model, f"{r['Model']}: accessory {slot} is not in the catalogue")
        if r.get("MountedAccessory"):
            check(r["MountedAccessory"] in by_model, f"{r['Model']}: mounted accessory missing")
            check_second_polynomial(r)

    fans = [r for r in records if is_kind(r, "WENTYLATOR")]
    for r in fans:
        check_fan(r, tables)
    for r in records:
        if not is_kind(r, "WENTYLATOR") and not is_kind(r, "WYWIETRZAK"):
            check(not r.get("CurveFile"), f"{r['Model']}: an accessory has a curve file")
    for execution in ("ExecStandard", "ExecTwoSpeed", "ExecHeat40", "ExecHeat60", "ExecExplosionProof",
                      "ExecChemical"):
        check(any(r.get(execution) for r in fans), f"no fan offers {execution}")
    check(len(fans) >= 60, f"only {len(fans)} fans")
    check(sum(1 for r in fans if r.get("CurveFile")) >= 8, "fewer than 8 tabulated fans")
    check(any(r.get("Current3") and not r.get("Current1") for r in fans), "no fan with Current3")
    for controller in ("TYP HQ", "TYP HZ"):
        check(any(r.get("Accessories[0]") == controller or r.get("Accessories[1]") == controller for r in fans),
              f"{controller} is in no fan's slot 0 or 1")

    # Fan selection: 1200 m3/h at 150 Pa among roof fans in standard execution.
    v_req, dp_req = 1200 / 3600, 150.0
    roof_hits = [r["Model"] for r in fans
                 if is_kind(r, "WENTYLATOR DACHOWY") and r.get("ExecStandard")
                 and read_number(r["FlowMin"]) <= v_req <= read_number(r["FlowMax"])
                 and reaches_duty(r, tables, v_req, dp_req)]
    check(len(roof_hits) >= 4, f"1200 m3/h at 150 Pa finds only {roof_hits}")

    # Cylindrical ventilators with the window's defaults: 250 m3/h at a wind of 3 m/s.
    cylindrical = [r for r in records if is_kind(r, "WYWIETRZAK C")]
    cylindrical_hits = [r["Model"] for r in cylindrical
                        if read_number(r["FlowMin"]) <= 250 <= read_number(r["FlowMax"])
                        and poly_eval(record_polynomial(r, "PressureCoef"), 3.0) >= 250]
    check(len(cylindrical) >= 6 and len(cylindrical_hits) >= 3, f"cylindrical defaults find {cylindrical_hits}")

    # Integrated ventilators with the window's defaults: 200 m3/h, 20 °C in, −20 °C out, 4 m.
    dp = stack_pressure(20.0, -20.0, 4.0)
    check(7.6 < dp < 7.7, f"stack pressure {dp}")
    integrated = [r for r in records if is_kind(r, "WYWIETRZAK Z")]
    integrated_hits = [r["Model"] for r in integrated
                       if poly_eval(record_polynomial(r, "PressureCoef"), dp) >= 200]
    check(len(integrated) >= 6 and len(integrated_hits) >= 3, f"integrated defaults find {integrated_hits}")
    for r in integrated:
        check(r["CurveFile"] in by_model and is_kind(by_model[r["CurveFile"]], "WENTYLATOR"),
              f"{r['Model']}: installed fan {r['CurveFile']} is not a fan of the catalogue")
        for field in INTEGRATED_SETS:
            capacity = record_polynomial(r, field)
            values = [poly_eval(capacity, x) for x in samples(STACK_LOW, STACK_HIGH)]
            check(all(a < b for a, b in zip(values, values[1:])), f"{r['Model']}: {field} must rise")
    return roof_hits, cylindrical_hits, integrated_hits, dp
