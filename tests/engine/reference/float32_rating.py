"""An independent float32 emulation of the capacity rating.

It prints the Singles that rating_test.cpp pins bit for bit (ExactSingles). Python's floats are
doubles; struct.pack('f') stores a double as the nearest Single, as a store into a Single does.
Run: python3 tests/engine/reference/float32_rating.py
"""
import math
import struct
from fractions import Fraction


def f32(x):
    """Round a double to the nearest Single (round half to even), as a store does."""
    return struct.unpack('<f', struct.pack('<f', x))[0]


def bits(x):
    return struct.unpack('<I', struct.pack('<f', x))[0]


def f32_literal(text):
    """The Single nearest to a decimal literal, without going through a double first."""
    exact = Fraction(text)
    d = float(text)
    candidates = set()
    base = bits(f32(d))
    for delta in (-1, 0, 1):
        candidates.add(struct.unpack('<f', struct.pack('<I', base + delta))[0])
    return min(candidates, key=lambda c: (abs(Fraction(c) - exact), bits(c) & 1))


def poly(t, coefs):
    c = [f32_literal(s) for s in coefs]
    total = f32(0.0)
    for i in range(5):
        total = f32(math.pow(t, i) * c[i] + total)
    return total


SETS = {
    2: dict(pevap=['38.648273', '0.81350046', '0.0065795463', '2.2581366e-05', '2.2116922e-08'],
            hvap=['104.46525', '0.09939239', '-0.00016484215', '-5.1658753e-07', '-8.980332e-10'],
            hliq=['10.418145', '0.2658826', '0.00026156532', '-1.0435634e-06', '6.8420594e-09'],
            dens=['83.814415', '-0.10685425', '-0.0002035412', '9.081127e-07', '-7.608282e-09']),
    6: dict(pevap=['47.53711', '0.96955967', '0.007573355', '2.680514e-05', '2.061142e-08'],
            pcond=['48.535454', '0.9821868', '0.007611157', '2.5558116e-05', '3.031905e-08'],
            hvap=['91.333595', '0.14575249', '-0.00015520693', '-5.4640805e-07', '-1.3316094e-08'],
            hliq=['13.059942', '0.2954579', '0.0011050886', '-9.702897e-06', '5.0885077e-08'],
            dens=['75.58898', '-0.09639064', '-0.0008094031', '8.648978e-06', '-5.3473045e-08']),
}


def rate(ref, evap, cond, liq, drop, const, unit_mult, sensit_on, system=None):
    s = SETS[ref]
    evap, cond, liq = f32(evap), f32(cond), f32(liq)
    pevap = poly(evap, s['pevap'])
    hvap = poly(evap, s['hvap'])
    pcond = poly(cond, s.get('pcond', s['pevap']))
    hliq = poly(liq, s['hliq'])
    dens = poly(liq, s['dens'])
    deltap = f32(pcond - pevap - f32(drop) - 15.0)
    enthalpy = f32(hvap - hliq)
    massflow = f32(200.0 / enthalpy)
    sensit = 1.0
    if sensit_on and evap <= 0:
        p = [poly(t, s['pevap']) for t in (44.0, 40.0, evap, f32(evap + 6.5))]
        sensit = f32((p[3] - p[2]) / (p[0] - p[1]))
    c = f32_literal(const)
    q = f32(c * math.sqrt(dens * deltap) / massflow * 12000.0 * sensit)
    cap = f32(unit_mult * q)
    load = None if system is None else f32(system / cap * 100.0)
    return dict(PEvap=pevap, PCond=pcond, HVap=hvap, HLiq=hliq, LiqDensity=dens, DeltaP=deltap,
                Enthalpy=enthalpy, MassFlow=massflow, Sensit=sensit, q=q, RowCapacity=cap, loading=load)


def main():
    units = {'BtuH': 1.0, 'Tons': f32(1.0 / 12000.0), 'KW': f32_literal('0.000293'), 'KCal': f32_literal('0.252')}
    drops = {'None': 0, 'Venturi': 15, 'Orifice': 35}
    rows = [
        # name, set, evap, cond, liq, distributor, constant of the size, unit, system capacity
        ('WorkedExampleOrifice', 2, '40', '100', '90', 'Orifice', '0.045808', 'BtuH', 12000.0),
        ('R404aKiloWattsRootInDouble', 6, '54.8', '89.5', '4.3', 'Orifice', '0.045808', 'KW', 1.0),
        ('R404aQzEnthalpyStored', 6, '58.6', '118.3', '44.6', 'None', '0.69538', 'BtuH', 10.0),
        ('R404aTonsQStoredFirst', 6, '-0.2', '89.4', '42.6', 'Venturi', '0.045808', 'Tons', 12000.0),
        ('R404aTonsDeltaPInDouble', 6, '-14.8', '57.4', '15.0', 'Orifice', '0.011366', 'Tons', 10.0),
    ]
    for name, ref, evap, cond, liq, dist, const, unit, system in rows:
        r = rate(ref, f32_literal(evap), f32_literal(cond), f32_literal(liq), drops[dist], const, units[unit],
                 True, system)
        print('%-28s' % name, ', '.join('0x%08x' % bits(r[k])
                                         for k in ('DeltaP', 'MassFlow', 'Sensit', 'RowCapacity', 'loading')))


if __name__ == '__main__':
    main()
