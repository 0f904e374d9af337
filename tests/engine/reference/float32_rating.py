"""An independent float32 emulation of the capacity rating.

It prints the Singles that rating_test.cpp pins bit for bit (ExactSingles); with --catalog it rates
every size of every series for every property set at the reference conditions and writes the table
catalog_ratings.txt that catalog_ratings_test.cpp pins the engine to (--check: compare instead of
write). It reads the property polynomials and the catalog from its own transcriptions,
properties.txt and catalog.txt. Python's floats are
doubles; struct.pack('f') stores a double as the nearest Single, as a store into a Single does.
Run: python3 tests/engine/reference/float32_rating.py
"""
import math
import os
import sys
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


HERE = os.path.dirname(os.path.abspath(__file__))


def table(name):
    """The rows of a data file beside this script, each split at its bars; comments skipped."""
    with open(os.path.join(HERE, name), encoding='utf-8') as f:
        return [[c.strip() for c in line.split('|')] for line in f if line.strip() and not line.startswith('#')]


def property_sets():
    sets = {}
    for row in table('properties.txt'):
        sets.setdefault(int(row[1]), {})[row[0]] = row[2:]
    return {n: dict(pevap=s['PEvap'], pcond=s.get('PCond', s['PEvap']), hvap=s['HVap'], hliq=s['HLiq'],
                    dens=s['LiqDensity']) for n, s in sets.items()}


SETS = property_sets()


def rate(ref, evap, cond, liq, drop, const, unit_mult, sensit_on, system=None):
    s = SETS[ref]
    evap, cond, liq = f32(evap), f32(cond), f32(liq)
    pevap = poly(evap, s['pevap'])
    hvap = poly(evap, s['hvap'])
    pcond = poly(cond, s['pcond'])
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


# The reference conditions: name | evaporator, condensing, liquid °F | distributor | its drop | unit.
CONDITIONS = [
    ('none', '40', '100', '90', 'None', 0, 'BtuH'),
    ('venturi', '40', '100', '90', 'Venturi', 15, 'BtuH'),
    ('orifice', '40', '100', '90', 'Orifice', 35, 'BtuH'),
    ('user10kw', '40', '100', '90', 'UserDefined', 10, 'KW'),
    ('cold', '-20', '100', '90', 'Orifice', 35, 'Tons'),
]


def catalog():
    """(code, SeriesNo, factor applies, [(size, constant, names by set 1..9)])."""
    series = []
    for row in table('catalog.txt'):
        if row[0] == 'series':
            series.append((row[1], int(row[2]), row[3] == 'factor', []))
        else:
            names = row[2:] if len(row) > 3 else row[2:] * 9
            series[-1][3].append((int(row[0]), row[1], ['' if n == '-' else n for n in names]))
    return series


def catalog_table():
    units = {'BtuH': 1.0, 'Tons': f32(1.0 / 12000.0), 'KW': f32_literal('0.000293')}
    lines = ['# Written by float32_rating.py --catalog. Conditions: ' +
             '; '.join('%s %s/%s/%s F %s %s' % (c[0], c[1], c[2], c[3], c[4], c[6]) for c in CONDITIONS),
             '# condition | set | DeltaP | MassFlow | Sensit (Singles as bits)']
    for name, evap, cond, liq, dist, drop, unit in CONDITIONS:
        for ref in sorted(SETS):
            r = rate(ref, f32_literal(evap), f32_literal(cond), f32_literal(liq), drop, '1', 1.0, True)
            lines.append(' | '.join([name, str(ref)] + ['0x%08x' % bits(r[k]) for k in ('DeltaP', 'MassFlow', 'Sensit')]))
    lines.append('# SeriesNo | size | set | name | RowCapacity at each condition in the order above')
    for code, number, factor, sizes in catalog():
        for size, const, names in sizes:
            for ref in range(1, 10):
                if not names[ref - 1]:
                    continue
                caps = []
                for _, evap, cond, liq, dist, drop, unit in CONDITIONS:
                    r = rate(ref, f32_literal(evap), f32_literal(cond), f32_literal(liq), drop, const, units[unit],
                             factor)
                    caps.append('0x%08x' % bits(r['RowCapacity']))
                lines.append(' | '.join([str(number), str(size), str(ref), names[ref - 1]] + caps))
    return '\n'.join(lines) + '\n'


if __name__ == '__main__':
    if len(sys.argv) > 1 and sys.argv[1] in ('--catalog', '--check'):
        written = os.path.join(HERE, 'catalog_ratings.txt')
        text = catalog_table()
        if sys.argv[1] == '--check':
            with open(written, encoding='utf-8') as f:
                same = f.read() == text
            print('catalog_ratings.txt is what the emulation gives' if same else 'catalog_ratings.txt differs')
            sys.exit(0 if same else 1)
        with open(written, 'w', encoding='utf-8') as f:
            f.write(text)
    else:
        main()
