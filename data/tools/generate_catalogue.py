#!/usr/bin/env python3
"""Writes the sample catalogue of the maker Kalvintera.

Outputs (relative to the data/ folder):
  catalogue/urzadzenia.txt      the catalogue text that `kalvintera-cli catalogue build` turns
                                into urzadzenia.dbx
  interpolacja/vdp/<CurveFile>  pressure tables of the tabulated fans ("flow;Pa", m3/h)
  interpolacja/eta/<CurveFile>  efficiency tables ("flow;%")

Everything is computed from a few fan laws, so the output is the same on every run; the
script checks that the searches of the program find what a demonstration needs and stops
with a message when a change breaks that. Standard library only.

    python3 data/tools/generate_catalogue.py
"""

import math
import sys
from pathlib import Path

from catalogue_base import (INTEGRATED_SETS, INTEGRATED_WINDS, LAYOUT, STACK_HIGH, STACK_LOW, CatalogueError,
                            check, decimal_text, poly_eval, poly_fit, poly_in_flow, poly_mul, read_number,
                            one_decimal, record_polynomial, samples, separator_free_text, whole)
from catalogue_checks import check_catalogue, is_kind

DATA = Path(__file__).resolve().parent.parent

# ---------------------------------------------------------------------------------------
# Fans.

# Pressure shapes p/p0 as a function of x = V / free-delivery flow; each sums to 0, so the
# pressure reaches 0 at free delivery.
SHAPE_AXIAL_ROOF = [1.0, -0.30, -0.40, -0.30, 0.0]
SHAPE_ROOF_VERTICAL = [1.0, -0.20, -0.55, -0.05, -0.20]
SHAPE_BACKWARD = [1.0, 0.10, -0.60, -0.30, -0.20]
SHAPE_MIXED_FLOW = [1.0, -0.45, -0.20, -0.35, 0.0]
SHAPE_HIGH_PRESSURE = [1.0, 0.05, -0.35, -0.50, -0.20]

MOTOR_SIZES_KW = [0.06, 0.09, 0.12, 0.18, 0.25, 0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3.0, 4.0, 5.5, 7.5, 11.0]

# Octave bands 63 … 8000 Hz of the A-weighted sound power below its total, for a fan at
# about 1400 rpm, with one band more on either side: faster fans move their energy up the
# bands, slower ones down.
SPECTRUM_SHAPE_WIDE = [-33, -24, -15, -9, -6, -5, -7, -11, -18, -27]
SPECTRUM_SHAPE = SPECTRUM_SHAPE_WIDE[1:9]

KINDS = {
    # kind: NamePl, NameEn, NameDe, NameRu
    "roof_h": ("WENTYLATOR DACHOWY Z WYRZUTEM POZIOMYM", "ROOF FAN, HORIZONTAL DISCHARGE",
               "DACHVENTILATOR, WAAGERECHT AUSBLASEND", "КРЫШНЫЙ ВЕНТИЛЯТОР С ГОРИЗОНТАЛЬНЫМ ВЫБРОСОМ"),
    "roof_v": ("WENTYLATOR DACHOWY Z WYRZUTEM PIONOWYM", "ROOF FAN, VERTICAL DISCHARGE",
               "DACHVENTILATOR, SENKRECHT AUSBLASEND", "КРЫШНЫЙ ВЕНТИЛЯТОР С ВЕРТИКАЛЬНЫМ ВЫБРОСОМ"),
    "roof_2h": ("WENTYLATOR DACHOWY DWUBIEGOWY, WYRZUT POZIOMY", "TWO-SPEED ROOF FAN, HORIZONTAL DISCHARGE",
                "POLUMSCHALTBARER DACHVENTILATOR, WAAGERECHT", "ДВУХСКОРОСТНОЙ КРЫШНЫЙ ВЕНТИЛЯТОР, ГОРИЗОНТ."),
    "roof_2v": ("WENTYLATOR DACHOWY DWUBIEGOWY, WYRZUT PIONOWY", "TWO-SPEED ROOF FAN, VERTICAL DISCHARGE",
                "POLUMSCHALTBARER DACHVENTILATOR, SENKRECHT", "ДВУХСКОРОСТНОЙ КРЫШНЫЙ ВЕНТИЛЯТОР, ВЕРТИК."),
    "roof_ex": ("WENTYLATOR DACHOWY PRZECIWWYBUCHOWY", "EXPLOSION-PROOF ROOF FAN",
                "EXPLOSIONSGESCHÜTZTER DACHVENTILATOR", "ВЗРЫВОЗАЩИЩЁННЫЙ КРЫШНЫЙ ВЕНТИЛЯТОР"),
    "roof_t": ("WENTYLATOR DACHOWY TERMOODPORNY", "HEAT-RESISTANT ROOF FAN",
               "TEMPERATURBESTÄNDIGER DACHVENTILATOR", "ТЕРМОСТОЙКИЙ КРЫШНЫЙ ВЕНТИЛЯТОР"),
    "roof_n": ("WENTYLATOR DACHOWY NISKOSZUMOWY", "LOW-NOISE ROOF FAN",
               "GERÄUSCHARMER DACHVENTILATOR", "МАЛОШУМНЫЙ КРЫШНЫЙ ВЕНТИЛЯТОР"),
    "radial": ("WENTYLATOR PROMIENIOWY", "CENTRIFUGAL FAN", "RADIALVENTILATOR", "РАДИАЛЬНЫЙ ВЕНТИЛЯТОР"),
    "radial_c": ("WENTYLATOR PROMIENIOWY CHEMOODPORNY", "CHEMICAL-RESISTANT CENTRIFUGAL FAN",
                 "CHEMIEBESTÄNDIGER RADIALVENTILATOR", "ХИМИЧЕСКИ СТОЙКИЙ РАДИАЛЬНЫЙ ВЕНТИЛЯТОР"),
    "radial_hp": ("WENTYLATOR PROMIENIOWY WYSOKOPRĘŻNY", "HIGH-PRESSURE CENTRIFUGAL FAN",
                  "HOCHDRUCK-RADIALVENTILATOR", "РАДИАЛЬНЫЙ ВЕНТИЛЯТОР ВЫСОКОГО ДАВЛЕНИЯ"),
    "duct_o": ("WENTYLATOR KANAŁOWY OKRĄGŁY", "CIRCULAR DUCT FAN", "ROHRVENTILATOR",
               "КАНАЛЬНЫЙ ВЕНТИЛЯТОР ДЛЯ КРУГЛЫХ КАНАЛОВ"),
    "duct_p": ("WENTYLATOR KANAŁOWY PROSTOKĄTNY", "RECTANGULAR DUCT FAN", "KANALVENTILATOR, RECHTECKIG",
               "ПРЯМОУГОЛЬНЫЙ КАНАЛЬНЫЙ ВЕНТИЛЯТОР"),
}


class Fan:
    """One fan of a series, described by its free-delivery flow vf [m3/s] and its shut-off
    pressure p0 [Pa]; everything the record holds follows from these and the series."""

    def __init__(self, series, model, size_mm, speed, vf, p0):
        self.series = series
        self.model = model
        self.size_mm = size_mm
        self.speed = speed
        self.vf = vf
        self.p0 = p0

    # Pressure [Pa] and efficiency [fraction] as polynomials of V [m3/s].
    def pressure_poly(self):
        return poly_in_flow(self.series["shape"], self.p0, self.vf)

    def efficiency_poly(self):
        s = self.series
        eta_max = s["eta_max"] + 0.04 * min(1.0, self.size_mm / 600.0)
        x_opt, width, skew = s["x_opt"], s["eta_width"], s.get("eta_skew", 0.0)
        d = [-x_opt, 1.0]                      # x − x_opt
        d2 = poly_mul(d, d)
        d3 = poly_mul(d2, d)
        shape = [0.0] * 5
        shape[0] += eta_max
        for k, c in enumerate(d2):
            shape[k] -= eta_max * c / width ** 2
        for k, c in enumerate(d3):
            shape[k] += skew * eta_max * c / width ** 3
        return poly_in_flow(shape, 1.0, self.vf)

    def flow_range(self):
        return self.series["x_min"] * self.vf, self.series["x_max"] * self.vf


def roof_scaled(d_mm, rpm, base_vf=0.9, base_p0=380.0):
    """Fan laws from a 400 mm impeller at 1400 rpm."""
    ratio = d_mm / 400.0
    return base_vf * ratio ** 3 * rpm / 1400.0, base_p0 * ratio ** 2 * (rpm / 1400.0) ** 2


def series(**values):
    defaults = dict(x_min=0.25, x_max=0.85, x_opt=0.55, eta_width=0.55, eta_max=0.56, tabulated=False,
                    voltages="auto", regulation=None, executions=("ExecStandard",), direction="",
                    mounts=None, sound_k=32.0, current3=())
    defaults.update(values)
    return defaults


SERIES = [
    series(code="KDH", kind="roof_h", shape=SHAPE_AXIAL_ROOF, direction="H", regulation="RegulationFlag1",
           sizes=[(200, 2800), (250, 2800), (315, 1400), (355, 1400), (400, 1400), (450, 1400), (500, 920),
                  (560, 920)],
           mounts="BDS", heat40_sizes=(400, 450)),
    series(code="KDV", kind="roof_v", shape=SHAPE_ROOF_VERTICAL, direction="V", regulation="RegulationFlag1",
           eta_max=0.53, scale_p0=0.95,
           sizes=[(250, 2800), (315, 1400), (355, 1400), (400, 1400), (450, 1400), (500, 920), (560, 920)]),
    series(code="KDHD", kind="roof_2h", shape=SHAPE_AXIAL_ROOF, direction="H", voltages="400",
           executions=("ExecTwoSpeed",), sizes=[(315, 1400), (400, 1400), (500, 920), (630, 920)]),
    series(code="KDVD", kind="roof_2v", shape=SHAPE_ROOF_VERTICAL, direction="V", voltages="400",
           executions=("ExecTwoSpeed",), eta_max=0.53, scale_p0=0.95,
           sizes=[(315, 1400), (400, 1400), (500, 920), (630, 920)]),
    series(code="KDX", kind="roof_ex", shape=SHAPE_AXIAL_ROOF, direction="H", voltages="400",
           executions=("ExecExplosionProof",), eta_max=0.52,
           sizes=[(315, 1400), (400, 1400), (500, 920)]),
    series(code="KDT", kind="roof_t", shape=SHAPE_ROOF_VERTICAL, direction="V", voltages="400",
           executions=("ExecStandard", "ExecHeat40", "ExecHeat60"), eta_max=0.52, scale_p0=0.9,
           sizes=[(315, 1400), (400, 1400), (500, 920), (560, 920)]),
    series(code="KDN", kind="roof_n", shape=SHAPE_AXIAL_ROOF, direction="H", regulation="RegulationFlag1",
           sound_k=27.0, x_min=0.3, sizes=[(400, 920), (450, 920), (500, 920), (560, 700)], current3=(400,)),
    series(code="KPR", kind="radial", shape=SHAPE_BACKWARD, regulation="RegulationFlag2", eta_max=0.64,
           x_opt=0.5, eta_skew=-0.3, base=(0.30, 900.0, 250, 2800),
           sizes=[(200, 2800), (250, 2800), (315, 2800), (355, 1400), (400, 1400), (450, 1400), (500, 1400),
                  (560, 1400)]),
    series(code="KPC", kind="radial_c", shape=SHAPE_BACKWARD, voltages="400", eta_max=0.55,
           executions=("ExecChemical",), base=(0.26, 780.0, 250, 2800),
           sizes=[(200, 2800), (250, 2800), (315, 1400), (400, 1400)]),
    series(code="KPW", kind="radial_hp", shape=SHAPE_HIGH_PRESSURE, voltages="400", eta_max=0.60, x_opt=0.5,
           tabulated=True, base=(0.18, 2200.0, 250, 2800), x_min=0.22, x_max=0.82,
           executions=("ExecStandard", "ExecHeat40"),
           sizes=[(250, 2800), (315, 2800), (400, 1400), (500, 1400)]),
    series(code="KKO", kind="duct_o", shape=SHAPE_MIXED_FLOW, regulation="RegulationFlag1", eta_max=0.45,
           eta_width=0.6, mounts="SLT", current3=(100, 125, 150),
           explicit=[(100, 2500, 0.055, 260.0), (125, 2500, 0.085, 300.0), (150, 2600, 0.13, 340.0),
                     (160, 2600, 0.15, 360.0), (200, 2650, 0.24, 430.0), (250, 2650, 0.38, 500.0),
                     (315, 2700, 0.60, 560.0)]),
    series(code="KKP", kind="duct_p", shape=SHAPE_BACKWARD, voltages="400", eta_max=0.55, tabulated=True,
           x_min=0.28, x_max=0.82,
           rect=[("40-20", 1400, 0.35, 450.0), ("50-25", 1400, 0.55, 520.0), ("50-30", 1400, 0.70, 560.0),
                 ("60-30", 1400, 0.90, 600.0), ("60-35", 1400, 1.10, 640.0), ("70-40", 1400, 1.50, 700.0),
                 ("80-50", 920, 2.10, 760.0)]),
]


def build_fans():
    fans = []
    for s in SERIES:
        if "explicit" in s:
            for size, rpm, vf, p0 in s["explicit"]:
                fans.append(Fan(s, f"{s['code']}-{size}", size, rpm, vf, p0))
        elif "rect" in s:
            for name, rpm, vf, p0 in s["rect"]:
                width_cm = int(name.split("-")[0])
                fans.append(Fan(s, f"{s['code']}-{name}", width_cm * 10, rpm, vf, p0))
        else:
            for size, rpm in s["sizes"]:
                if "base" in s:
                    base_vf, base_p0, base_d, base_rpm = s["base"]
                    ratio = size / base_d
                    vf = base_vf * ratio ** 3 * rpm / base_rpm
                    p0 = base_p0 * ratio ** 2 * (rpm / base_rpm) ** 2
                else:
                    vf, p0 = roof_scaled(size, rpm)
                p0 *= s.get("scale_p0", 1.0)
                fans.append(Fan(s, f"{s['code']}-{size}", size, rpm, vf, p0))
    return fans


def motor_for(shaft_w):
    needed_kw = shaft_w * 1.15 / 1000.0
    for size in MOTOR_SIZES_KW:
        if size >= needed_kw:
            return size
    raise CatalogueError(f"no motor for {shaft_w:.0f} W")


def kw_text(kw):
    return f"{kw:g}"


def single_phase_current(kw):
    return kw * 1000.0 / (230.0 * 0.82 * 0.68)


def three_phase_current(kw):
    return kw * 1000.0 / (math.sqrt(3) * 400.0 * 0.80 * 0.76)


def spectrum_for(total_lw, rpm):
    shift = 1 if rpm >= 2500 else (-1 if rpm < 1000 else 0)
    bands = [int(round(total_lw + SPECTRUM_SHAPE_WIDE[b + 1 - shift])) for b in range(8)]
    total = 10 * math.log10(sum(10 ** (x / 10) for x in bands))
    return bands, int(round(total))


def series_files(record, code, model):
    stem = code.lower()
    record["SeriesSheetFile"] = f"{stem}_typoszereg.pdf"
    record["DocumentFile"] = f"{stem}.pdf"
    record["ThumbnailFile"] = f"{stem}_m.jpg"
    record["DescriptionFile"] = f"{stem}.txt"
    record["DrawingFile"] = f"{stem}_wymiary.jpg"
    record["CadFile"] = f"{model.lower()}.dwg"
    record["PictureFile"] = f"{stem}.jpg"


def names(record, kind):
    record["NamePl"], record["NameEn"], record["NameDe"], record["NameRu"] = kind


def silencer_for(size_mm):
    return "SLT-" + str(min(SILENCER_SIZES, key=lambda s: (abs(s - size_mm), s)))


def base_for(size_mm):
    return "PDA-" + str(min(ROOF_BASE_SIZES, key=lambda s: (abs(s - size_mm), s)))


SILENCER_SIZES = [100, 125, 150, 160, 200, 250, 315, 400, 500, 630]
ROOF_BASE_SIZES = [200, 250, 315, 355, 400, 450, 500, 560, 630]


def fan_record(fan, index_in_series):
    s = fan.series
    r = {}
    names(r, KINDS[s["kind"]])
    r["Model"] = fan.model
    pressure = fan.pressure_poly()
    efficiency = fan.efficiency_poly()
    flow_min, flow_max = fan.flow_range()
    r["FlowMin"] = decimal_text(round(flow_min, 4), 10)
    # Some texts carry a comma, as catalogues written on Polish systems do; the program
    # normalises these fields when it loads the table.
    comma = "," if index_in_series % 3 == 1 else "."
    r["FlowMax"] = decimal_text(round(flow_max, 4), 10, comma)
    for k in range(5):
        r[f"PressureCoef[{k}]"] = decimal_text(pressure[4 - k], 11, comma)
        r[f"EfficiencyCoef[{k}]"] = decimal_text(efficiency[4 - k], 11)

    # From here on the record's own texts decide, exactly as the program will read them.
    flow_min, flow_max = read_number(r["FlowMin"]), read_number(r["FlowMax"])
    pressure = record_polynomial(r, "PressureCoef")
    efficiency = record_polynomial(r, "EfficiencyCoef")

    shaft = max(poly_eval(pressure, v) * v / poly_eval(efficiency, v) for v in samples(flow_min, flow_max))
    motor = motor_for(shaft)
    r["MotorPower"] = kw_text(motor)
    voltages = s["voltages"]
    if voltages == "auto":
        voltages = "230" if motor <= 0.37 else "400"
        if s["kind"] in ("roof_h", "roof_v", "radial") and 0.12 <= motor <= 0.75:
            voltages = "230/400"
    if "230" in voltages:
        if fan.size_mm in s["current3"]:
            r["MotorType3"] = "EC 1x230V"
            r["Voltage1"] = "230"
            r["Current3"] = f"{single_phase_current(motor) * 0.8:.2f}"
        else:
            r["MotorType1"] = "1x230V"
            r["Voltage1"] = "230"
            r["Current1"] = f"{single_phase_current(motor):.2f}"
    if "400" in voltages:
        r["MotorType2"] = "3x400V 2b" if "ExecTwoSpeed" in s["executions"] else "3x400V"
        r["Voltage2"] = "400"
        r["Current2"] = f"{three_phase_current(motor):.2f}"
    r["Speed"] = str(fan.speed)

    v_nominal = s["x_opt"] * fan.vf
    lw = s["sound_k"] + 10 * math.log10(v_nominal) + 20 * math.log10(poly_eval(pressure, v_nominal))
    lw += 10 * math.log10(fan.speed / 1400.0)
    bands, total = spectrum_for(lw, fan.speed)
    for b in range(8):
        r[f"SoundSpectrum[{b}]"] = str(bands[b])
    r["SoundSpectrum[8]"] = str(total)
    # SoundLevel2 is the sound power level, the spectrum's total; SoundLevel1m the sound
    # pressure level at 1 m, which for a source radiating into free space is 11 dB below it.
    r["SoundLevel2"] = str(total)
    r["SoundLevel1m"] = whole(total - 11)
    d = fan.size_mm / 1000.0
    r["Mass"] = one_decimal(4 + 70 * d ** 2 + 9 * motor + (8 if s["kind"].startswith("roof") else 3) * d)

    p_top = max(poly_eval(pressure, v) for v in samples(0, flow_max))
    r["Pressure1"] = whole(poly_eval(pressure, flow_max))
    r["Pressure2"] = str(int(math.ceil(p_top * 1.08 / 10.0) * 10))
    if s["regulation"]:
        r[s["regulation"]] = "TRUE"
    for execution in s["executions"]:
        r[execution] = "TAK"
    if fan.size_mm in s.get("heat40_sizes", ()):
        r["ExecHeat40"] = "TAK"
    if s["direction"]:
        r["DischargeDirection"] = s["direction"]
    dimensions(r, s["kind"], fan.size_mm, fan.model)
    series_files(r, s["code"], fan.model)
    return r


def dimensions(r, kind, size_mm, model):
    d = size_mm
    if kind.startswith("roof"):
        values = [d * 1.6 + 120, d * 2.1 + 60, d * 1.1 + 180, d * 1.6 + 60, d + 20]
        r["Dimensions[10]"] = "4" if d < 450 else "8"      # mounting holes
    elif kind.startswith("radial"):
        values = [d * 2.0 + 80, d * 2.2 + 60, d * 1.7 + 40, d * 0.9, d * 0.7, d + 10]
    elif kind == "duct_o":
        values = [d - 1, d * 1.9 + 60, d * 1.6 + 40]
    else:
        width_cm, height_cm = (int(part) for part in model.split("-")[1:3])
        values = [width_cm * 10, height_cm * 10, d * 1.1 + 150, d + 40]
    for j, value in enumerate(values):
        r[f"Dimensions[{j}]"] = whole(value)


# ---------------------------------------------------------------------------------------
# Accessories. Flow ranges of mounted accessories are in m3/s, as the pressure chart reads
# them next to the fan's.

ACCESSORY_KINDS = {
    "SLT": ("TŁUMIK AKUSTYCZNY", "SOUND ATTENUATOR", "SCHALLDÄMPFER", "ШУМОГЛУШИТЕЛЬ"),
    "BDS": ("PODSTAWA DACHOWA TŁUMIĄCA", "SOUND-ABSORBING ROOF BASE", "SCHALLGEDÄMPFTER DACHSOCKEL",
            "ШУМОПОГЛОЩАЮЩИЙ КРЫШНЫЙ СТАКАН"),
    "PDA": ("PODSTAWA DACHOWA", "ROOF BASE", "DACHSOCKEL", "КРЫШНЫЙ СТАКАН"),
    "TYP HQ": ("REGULATOR OBROTÓW TRANSFORMATOROWY 3F", "THREE-PHASE TRANSFORMER SPEED CONTROLLER",
               "TRAFO-DREHZAHLSTELLER, DREHSTROM", "ТРАНСФОРМАТОРНЫЙ РЕГУЛЯТОР СКОРОСТИ, 3 ФАЗЫ"),
    "TYP HZ": ("REGULATOR OBROTÓW TRANSFORMATOROWY 1F", "SINGLE-PHASE TRANSFORMER SPEED CONTROLLER",
               "TRAFO-DREHZAHLSTELLER, WECHSELSTROM", "ТРАНСФОРМАТОРНЫЙ РЕГУЛЯТОР СКОРОСТИ, 1 ФАЗА"),
    "TYP HE": ("REGULATOR OBROTÓW ELEKTRONICZNY 1F", "ELECTRONIC SPEED CONTROLLER, SINGLE-PHASE",
               "ELEKTRONISCHER DREHZAHLSTELLER, WECHSELSTROM", "ЭЛЕКТРОННЫЙ РЕГУЛЯТОР СКОРОСТИ, 1 ФАЗА"),
    "TYP FR": ("PRZEMIENNIK CZĘSTOTLIWOŚCI", "FREQUENCY INVERTER", "FREQUENZUMRICHTER",
               "ПРЕОБРАЗОВАТЕЛЬ ЧАСТОТЫ"),
    "TYP WS": ("WYŁĄCZNIK SERWISOWY", "SERVICE SWITCH", "REPARATURSCHALTER", "СЕРВИСНЫЙ ВЫКЛЮЧАТЕЛЬ"),
    "TYP ZW": ("PRZEPUSTNICA ZWROTNA", "BACKDRAFT DAMPER", "RÜCKSCHLAGKLAPPE", "ОБРАТНЫЙ КЛАПАН"),
    "TYP KL": ("ŁĄCZNIK ELASTYCZNY", "FLEXIBLE CONNECTOR", "ELASTISCHER STUTZEN", "ГИБКАЯ ВСТАВКА"),
}

# Insertion loss of a 1 m silencer per octave band 63 … 8000 Hz, and its effect on the
# A-weighted total of a typical fan.
SILENCER_ATTENUATION = [2, 5, 10, 17, 24, 22, 16, 11]


def silencer_total_attenuation(attenuation):
    reference = [80 + x for x in SPECTRUM_SHAPE]
    before = 10 * math.log10(sum(10 ** (x / 10) for x in reference))
    after = 10 * math.log10(sum(10 ** ((x - a) / 10) for x, a in zip(reference, attenuation)))
    return int(round(before - after))


def loss_coefficient(size_mm, zeta):
    """k of dp = k·V² [Pa·s²/m⁶] for a passage of the given diameter."""
    area = math.pi / 4 * (size_mm / 1000.0) ** 2
    return zeta * 1.2 / 2 / area ** 2


def accessory_record(code, model):
    r = {"Model": model}
    names(r, ACCESSORY_KINDS[code])
    stem = code.replace("TYP ", "typ_").lower()
    r["ThumbnailFile"] = f"{stem}_m.jpg"
    r["PictureFile"] = f"{stem}.jpg"
    r["DocumentFile"] = f"{stem}.pdf"
    return r


def controller_records():
    records = []
    series_values = [
        ("TYP HQ", {"Voltage2": "400", "Current2": "7", "Mass": "9.5"}),
        ("TYP HZ", {"Voltage1": "230", "Current1": "5", "Mass": "6.2"}),
        ("TYP HE", {"Voltage1": "230", "Current1": "2.5", "Mass": "0.8"}),
        ("TYP FR", {"Voltage1": "230", "Voltage2": "400", "Current2": "4.1", "Mass": "2.4"}),
        ("TYP WS", {"Voltage2": "400", "Current2": "16", "Mass": "0.4"}),
        ("TYP ZW", {"Mass": "1.6"}),
        ("TYP KL", {"Mass": "0.9"}),
    ]
    for code, values in series_values:
        r = accessory_record(code, code)
        r.update(values)
        records.append(r)
    return records


# ---------------------------------------------------------------------------------------
# Gravity ventilators. Capacities in m3/h.

CYLINDRICAL_NAMES = ("WYWIETRZAK CYLINDRYCZNY", "CYLINDRICAL WIND VENTILATOR", "ZYLINDRISCHER WINDLÜFTER",
                     "ЦИЛИНДРИЧЕСКИЙ ДЕФЛЕКТОР")
INTEGRATED_NAMES = ("WYWIETRZAK ZESPOLONY", "HYBRID ROOF VENTILATOR", "HYBRID-DACHLÜFTER",
                    "КОМБИНИРОВАННЫЙ ДЕФЛЕКТОР")
CYLINDRICAL_SIZES = [150, 200, 250, 315, 355, 400, 450, 500]
INTEGRATED_SIZES = [(160, "KKO-160"), (200, "KKO-200"), (250, "KKO-250"), (315, "KKO-315"), (400, "KDV-400"),
                    (500, "KDV-500")]


def area_m3h(size_mm):
    """Passage area as m³/h per m/s of air speed."""
    return math.pi / 4 * (size_mm / 1000.0) ** 2 * 3600.0


def cylindrical_record(size_mm):
    r = {"Model": f"WCS-{size_mm}"}
    names(r, CYLINDRICAL_NAMES)
    a = area_m3h(size_mm)
    capacity = [a * 0.03, a * 0.40, -a * 0.008, 0.0, 0.0]   # of the wind speed, m/s
    for k in range(5):
        r[f"PressureCoef[{k}]"] = decimal_text(capacity[4 - k], 11) if capacity[4 - k] else "0"
    capacity = record_polynomial(r, "PressureCoef")
    r["FlowMin"] = whole(poly_eval(capacity, 1.0))
    r["FlowMax"] = whole(poly_eval(capacity, 8.0))
    r["Mass"] = one_decimal(1.5 + 40 * (size_mm / 1000.0) ** 2 * 3)
    r["Dimensions[0]"] = str(size_mm)
    r["Dimensions[1]"] = whole(size_mm * 1.9)
    r["Dimensions[2]"] = whole(size_mm * 1.5 + 100)
    series_files(r, "WCS", r["Model"])
    return r


def integrated_record(size_mm, installed_fan):
    r = {"Model": f"WZ-{size_mm}", "CurveFile": installed_fan}
    names(r, INTEGRATED_NAMES)
    a = area_m3h(size_mm)
    for wind, field in zip(INTEGRATED_WINDS, INTEGRATED_SETS):
        def capacity(dp, wind=wind):
            stack = 0.55 * math.sqrt(2 * dp / 1.2)
            return a * math.hypot(stack, 0.35 * wind)

        fitted = poly_fit(capacity, STACK_LOW, STACK_HIGH)
        for x in samples(STACK_LOW, STACK_HIGH):
            check(abs(poly_eval(fitted, x) - capacity(x)) <= 0.06 * capacity(x),
                  f"WZ-{size_mm}: the capacity fit is too rough at {x:.2f} Pa")
        # Fields the program normalises take the point; the others a form without separator.
        text_of = (lambda c: decimal_text(c, 11)) if "ExtraCoef" not in field else separator_free_text
        for k in range(5):
            r[f"{field}[{k}]"] = text_of(fitted[4 - k])
    r["FlowMin"] = whole(poly_eval(record_polynomial(r, "PressureCoef"), STACK_LOW))
    r["FlowMax"] = whole(poly_eval(record_polynomial(r, "ExtraCoef[2]"), STACK_HIGH))
    r["Mass"] = one_decimal(6 + 60 * (size_mm / 1000.0) ** 2 * 3)
    r["Dimensions[0]"] = str(size_mm)
    r["Dimensions[1]"] = whole(size_mm * 2.0)
    r["Dimensions[2]"] = whole(size_mm * 1.8 + 250)
    series_files(r, "WZ", r["Model"])
    return r


# ---------------------------------------------------------------------------------------
# Curve files.

def curve_tables(fan, record):
    """Whole-number (flow m3/h; Pa) and (flow; %) lines over a span a little wider than the
    record's flow range."""
    pressure = record_polynomial(record, "PressureCoef")
    efficiency = record_polynomial(record, "EfficiencyCoef")
    low = fan.series["x_min"] - 0.06
    high = fan.series["x_max"] + 0.06
    count = 14 + (fan.size_mm // 100) % 4 * 3
    flows, pressures, efficiencies = [], [], []
    for i in range(count):
        v = fan.vf * (low + (high - low) * i / (count - 1))
        flows.append(int(round(v * 3600)))
        pressures.append(int(round(poly_eval(pressure, v))))
        efficiencies.append(int(round(100 * poly_eval(efficiency, v))))
    return flows, pressures, efficiencies


def curve_file_name(model):
    return model.lower().replace("-", "") + ".txt"


# ---------------------------------------------------------------------------------------
# Assembly.

def build_catalogue():
    fans = build_fans()
    fan_records = []
    position = {}
    for fan in fans:
        code = fan.series["code"]
        position[code] = position.get(code, -1) + 1
        fan_records.append((fan, fan_record(fan, position[code])))

    tables = {}
    for fan, r in fan_records:
        if fan.series["tabulated"]:
            name = curve_file_name(fan.model)
            r["CurveFile"] = name
            tables[name] = curve_tables(fan, r)

    # Accessories, sized after the fans that use them.
    silencers = {}
    for size in SILENCER_SIZES:
        r = accessory_record("SLT", f"SLT-{size}")
        for b, attenuation in enumerate(SILENCER_ATTENUATION):
            r[f"SoundSpectrum[{b}]"] = str(attenuation)
        r["SoundSpectrum[8]"] = str(silencer_total_attenuation(SILENCER_ATTENUATION))
        r["Dimensions[0]"] = str(size - 1)
        r["Dimensions[1]"] = "1000"
        r["Dimensions[2]"] = whole(size + 200)
        r["Mass"] = one_decimal(3 + size / 40)
        silencers[size] = r
    roof_bases = {}
    for size in ROOF_BASE_SIZES:
        r = accessory_record("PDA", f"PDA-{size}")
        r["Dimensions[0]"] = whole(size * 1.6 + 120)
        r["Dimensions[1]"] = "300"
        r["Mass"] = one_decimal(5 + size / 25)
        roof_bases[size] = r
    sound_bases = {}

    for fan, r in fan_records:
        s = fan.series
        kind = s["kind"]
        slots = ["TYP HQ", "TYP HZ"] if r.get("Voltage1") or r.get("RegulationFlag1") else ["TYP HQ"]
        if kind.startswith("roof"):
            slots.append(base_for(fan.size_mm))
        slots.append(silencer_for(fan.size_mm))
        if r.get("RegulationFlag2") or s["voltages"] == "400":
            slots.append("TYP FR")
        slots.append("TYP WS")
        if kind.startswith("duct") or kind.startswith("radial"):
            slots += ["TYP KL", "TYP ZW"]
        if r.get("Voltage1") and r.get("RegulationFlag1"):
            slots.append("TYP HE")
        mounted = None
        if s["mounts"] == "BDS" and 315 <= fan.size_mm <= 500:
            mounted = f"BDS-{fan.size_mm}"
            slots.insert(3, mounted)
            zeta = 2.5
        elif s["mounts"] == "SLT" and fan.size_mm in silencers and fan.size_mm >= 160:
            mounted = f"SLT-{fan.size_mm}"
            zeta = 1.2
        for k, model in enumerate(dict.fromkeys(slots)):
            r[f"Accessories[{k}]"] = model
        if mounted:
            mount_accessory(fan, r, mounted, zeta, silencers, sound_bases)

    cylindrical = [cylindrical_record(size) for size in CYLINDRICAL_SIZES]
    integrated = [integrated_record(size, installed) for size, installed in INTEGRATED_SIZES]

    records = [r for _, r in fan_records]
    records += controller_records()
    records += list(silencers.values()) + list(roof_bases.values()) + list(sound_bases.values())
    records += cylindrical + integrated
    return records, tables


def mount_accessory(fan, r, model, zeta, silencers, sound_bases):
    """The fan with an accessory in its path: the accessory's loss k·V² comes off the fan's
    pressure (ExtraCoef set C1), drawn over C3's flow range."""
    k_loss = loss_coefficient(fan.size_mm, zeta)
    first = record_polynomial(r, "PressureCoef")
    second = list(first)
    second[2] -= k_loss
    for k in range(5):
        r[f"ExtraCoef[0][{k}]"] = separator_free_text(second[4 - k])
    second = [float(r[f"ExtraCoef[0][{4 - k}]"]) for k in range(5)]
    low, high = read_number(r["FlowMin"]), read_number(r["FlowMax"])
    floor = 0.05 * poly_eval(first, low)
    end = next((v for v in samples(low, high) if poly_eval(second, v) <= floor), high)
    r["ExtraCoef[2][0]"] = separator_free_text(low)
    r["ExtraCoef[2][1]"] = separator_free_text(round(end, 4))
    r["MountedAccessory"] = model

    if model.startswith("SLT"):
        accessory = silencers[fan.size_mm]
    else:
        accessory = accessory_record("BDS", model)
        accessory["Dimensions[0]"] = whole(fan.size_mm * 1.6 + 120)
        accessory["Dimensions[1]"] = "500"
        accessory["Mass"] = one_decimal(12 + fan.size_mm / 12)
        sound_bases[model] = accessory
    accessory["FlowMin"] = "0"
    accessory["FlowMax"] = decimal_text(round(fan.vf, 4), 10)
    accessory["Pressure2"] = r["Pressure2"]
    for k in range(5):
        accessory[f"PressureCoef[{k}]"] = "0"
    accessory["PressureCoef[2]"] = decimal_text(k_loss, 11)


def catalogue_text(records):
    lines = [
        "# Sample catalogue of Kalvintera products.",
        "# Written by data/tools/generate_catalogue.py; edit the generator, not this file.",
        "# Fans: flows in m3/s; gravity ventilators: m3/h. Record n is DeviceIndex n.",
    ]
    order = [name for name, _, _ in LAYOUT]
    for index, r in enumerate(records, start=1):
        lines.append("")
        lines.append(f"# {index}: {r['Model']}")
        lines.append("[device]")
        for name in order:
            if r.get(name):
                lines.append(f"{name}: {r[name]}")
    return "\n".join(lines) + "\n"


def write_if_changed(path, text, newline="\n"):
    path.parent.mkdir(parents=True, exist_ok=True)
    data = text.replace("\n", newline).encode("utf-8")
    if not path.exists() or path.read_bytes() != data:
        path.write_bytes(data)


def main():
    try:
        records, tables = build_catalogue()
        roof_hits, cylindrical_hits, integrated_hits, dp = check_catalogue(records, tables)
    except CatalogueError as error:
        print(f"generate_catalogue: {error}", file=sys.stderr)
        return 1

    write_if_changed(DATA / "catalogue" / "urzadzenia.txt", catalogue_text(records))
    for folder in ("vdp", "eta"):
        target = DATA / "interpolacja" / folder
        target.mkdir(parents=True, exist_ok=True)
        for stale in target.iterdir():
            if stale.name not in tables:
                stale.unlink()
    for name, (flows, pressures, efficiencies) in sorted(tables.items()):
        write_if_changed(DATA / "interpolacja" / "vdp" / name,
                         "".join(f"{f};{p}\n" for f, p in zip(flows, pressures)), "\r\n")
        write_if_changed(DATA / "interpolacja" / "eta" / name,
                         "".join(f"{f};{e}\n" for f, e in zip(flows, efficiencies)), "\r\n")

    fans = [r for r in records if is_kind(r, "WENTYLATOR")]

    def count(text):
        return sum(1 for r in records if is_kind(r, text))

    print(f"{len(records)} records: {len(fans)} fans ({count('WENTYLATOR DACHOWY')} roof, "
          f"{count('WENTYLATOR PROMIENIOWY')} radial, {count('WENTYLATOR KANAŁOWY')} duct; "
          f"{len(tables)} tabulated), {count('WYWIETRZAK C')} cylindrical, {count('WYWIETRZAK Z')} integrated, "
          f"{len(records) - len(fans) - count('WYWIETRZAK')} accessories")
    print(f"1200 m3/h at 150 Pa: {len(roof_hits)} roof fans {roof_hits}")
    print(f"cylindrical 250 m3/h, 3 m/s: {cylindrical_hits}")
    print(f"integrated 200 m3/h, dp = {dp:.2f} Pa: {integrated_hits}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
