"""Record layout, number texts and polynomials shared by the catalogue generator and its checks."""

import math

# ---------------------------------------------------------------------------------------
# Record layout: field names as the catalogue text uses them, with their capacities and
# whether the program normalises their decimal separator at load.

def _layout():
    fields = []

    def add(name, capacity, numeric=False):
        fields.append((name, capacity, numeric))

    for name in ("NamePl", "NameEn", "NameDe", "NameRu", "Reserved204", "Reserved255", "Model"):
        add(name, 50)
    for name in ("MotorType1", "MotorType2", "MotorType3"):
        add(name, 12)
    for name in ("MotorPower", "Voltage1", "Current1", "Voltage2", "Current2", "Current3",
                 "SoundLevel1m", "SoundLevel2", "Mass", "Speed", "FlowMin", "FlowMax", "Pressure1"):
        add(name, 10, True)
    add("Pressure2", 10)
    add("RegulationFlag1", 5)
    add("RegulationFlag2", 5)
    add("Coefficient", 10, True)
    add("HeatTransfer", 10, True)
    for k in range(5):
        add(f"PressureCoef[{k}]", 11, True)
    for k in range(5):
        add(f"EfficiencyCoef[{k}]", 11, True)
    for j in range(3):
        for k in range(5):
            add(f"ExtraCoef[{j}][{k}]", 11)
    for name in ("MountedAccessory", "CurveFile", "SeriesSheetFile", "DocumentFile", "ThumbnailFile",
                 "Reserved1014", "DescriptionFile", "DrawingFile", "CadFile", "PictureFile"):
        add(name, 25)
    for k in range(20):
        add(f"Accessories[{k}]", 20)
    for k in range(10):
        add(f"Reserved1564[{k}]", 20)
    for name in ("ExecStandard", "ExecTwoSpeed", "ExecHeat40", "ExecHeat60", "ExecExplosionProof",
                 "ExecChemical"):
        add(name, 20)
    for k in range(9):
        add(f"SoundSpectrum[{k}]", 6, True)
    for k in range(17):
        add(f"Dimensions[{k}]", 6, True)
    add("DischargeDirection", 10, True)
    add("Dimensions[17]", 6)
    add("Dimensions[18]", 6)
    for k in range(5):
        add(f"Reserved2107[{k}]", 6, True)
    return fields


LAYOUT = _layout()
CAPACITY = {name: capacity for name, capacity, _ in LAYOUT}
NUMERIC = {name for name, _, numeric in LAYOUT if numeric}


class CatalogueError(Exception):
    pass


def check(condition, message):
    if not condition:
        raise CatalogueError(message)


# ---------------------------------------------------------------------------------------
# Number texts.

def decimal_text(value, width, separator="."):
    """The shortest text of `value` with as many significant digits as fit `width`."""
    for digits in range(10, 0, -1):
        text = f"{value:.{digits}g}"
        if "e" in text:
            mantissa, exponent = text.split("e")
            text = f"{mantissa}E{int(exponent)}"
        if len(text) <= width:
            return text.replace(".", separator)
    raise CatalogueError(f"{value} does not fit {width} characters")


def separator_free_text(value, width=11):
    """An integer or an integer mantissa with an exponent ("-1523E-3"): fields that the program
    reads without normalising the separator then read the same under "." and ","."""
    if value == 0:
        return "0"
    for digits in range(9, 0, -1):
        exponent = math.floor(math.log10(abs(value))) - digits + 1
        mantissa = round(value / 10 ** exponent)
        if abs(mantissa) >= 10 ** digits:
            mantissa //= 10
            exponent += 1
        while mantissa != 0 and mantissa % 10 == 0:
            mantissa //= 10
            exponent += 1
        if 0 <= exponent <= 3:
            text = str(mantissa * 10 ** exponent)
        else:
            text = f"{mantissa}E{exponent}"
        if len(text) <= width:
            return text
    raise CatalogueError(f"{value} does not fit {width} characters")


def read_number(text):
    """A field text as the program reads it after normalising the separator (empty = 0)."""
    return float(text.replace(",", ".")) if text else 0.0


def whole(value):
    return str(int(round(value)))


def one_decimal(value):
    return f"{value:.1f}".rstrip("0").rstrip(".")


# ---------------------------------------------------------------------------------------
# Polynomials: coefficient lists from the constant term up; records store c4 … c0.

def poly_eval(coefficients, x):
    return sum(c * x ** k for k, c in enumerate(coefficients))


def poly_in_flow(shape, scale, reference_flow):
    """scale · shape(V / reference_flow) as coefficients in V."""
    return [scale * c / reference_flow ** k for k, c in enumerate(shape)]


def poly_mul(a, b):
    out = [0.0] * (len(a) + len(b) - 1)
    for i, x in enumerate(a):
        for j, y in enumerate(b):
            out[i + j] += x * y
    return out


def poly_fit(function, low, high):
    """The quartic through five Chebyshev points of [low, high]."""
    nodes = [(low + high) / 2 + (high - low) / 2 * math.cos((2 * i + 1) * math.pi / 10) for i in range(5)]
    matrix = [[x ** k for k in range(5)] + [function(x)] for x in nodes]
    for col in range(5):
        pivot = max(range(col, 5), key=lambda r: abs(matrix[r][col]))
        matrix[col], matrix[pivot] = matrix[pivot], matrix[col]
        for row in range(5):
            if row != col:
                factor = matrix[row][col] / matrix[col][col]
                matrix[row] = [a - factor * b for a, b in zip(matrix[row], matrix[col])]
    return [matrix[k][5] / matrix[k][k] for k in range(5)]


def samples(low, high, count=240):
    return [low + (high - low) * i / count for i in range(count + 1)]


def record_polynomial(record, prefix):
    """The five texts of a coefficient set back as a polynomial (constant term first)."""
    return [read_number(record.get(f"{prefix}[{4 - k}]", "")) for k in range(5)]


# The capacity polynomials of an integrated ventilator: wind speed [m/s] and coefficient set;
# each is a function of the stack pressure over [STACK_LOW, STACK_HIGH] Pa.
INTEGRATED_WINDS = [0, 2, 3, 4, 5]
INTEGRATED_SETS = ["PressureCoef", "EfficiencyCoef", "ExtraCoef[0]", "ExtraCoef[1]", "ExtraCoef[2]"]
STACK_LOW, STACK_HIGH = 0.5, 10.0
