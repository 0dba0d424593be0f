#include "cli/Help.h"

namespace cli {

// Written for a terminal of 80 columns and for help2man, which makes the
// manual page of it: "Usage:" lines, options indented by two, and a line
// ending in a colon starts a section.
const std::string_view HelpText = R"(Usage: kubatrix-calc [OPTION]... FILE...
  or:  kubatrix-calc [OPTION]... [aperture] TYPE [SIZE] DIMENSION...
  or:  kubatrix-calc [OPTION]... section DESIGNATION LENGTH
  or:  kubatrix-calc --sections [WORD]...
  or:  kubatrix-calc takeoff [--csv|--json] FILE
  or:  kubatrix-calc cutlist [--stock LIST] [OPTION]... FILE
Weigh a parts list, or one part, as the Kubatrix window does; list what it
needs of bar stock, and which bars to buy and how to cut them.

With FILE, read a parts list (CSV, as Kubatrix saves it; - is standard input)
and print a row for each of its lines, with what the line adds to the volume
and to the weight, then the totals. Several files give a table each. Nothing
is printed when a file holds a fault: the fault is named as FILE:LINE: column
"NAME": what is wrong. Columns the program does not know are ignored and
named once on standard error. A FILE must be a regular file of at most 1 GiB
(a pipe or a device is refused: give - and redirect it); standard input is
read up to 1 GiB.

With TYPE, weigh one object of that type, or one aperture (a hole) with the
word "aperture" first. A solid takes its dimensions a, b, c in order; a rolled
profile takes its SIZE and then its length. A dimension is a number with its
unit after it, 2cm or 2 cm: mm, cm, m, in, ft, yd, or millimeter, centimeter,
meter, inch, foot, yard; a number alone is in millimetres, as in the window.
A number is written with a point for decimals and no thousands separator, as
in a parts-list file: 1.5, not 1,5. Names of types, materials and units may
be written in any case, with - or _ for a blank. A part is of iron, 7874
kg/m3, unless an option says otherwise. A file named like a type is given
with its folder: ./cylinder.

With section, weigh a standard section: a beam, channel, tee, angle, hollow
section, bar or pipe named by its designation (IPE 200, HEB 300, L 100x100x10,
SHS 100x100x5 EN 10210, CHS 168.3x7.1, NPS 4 SCH 40, UB 305x165x40, W8x31,
HSS6x4x1/4, FL 100x10) in any case, quoted or not, or in any other form the
search reads where that names one section (HE200B, w8 31, W200x46.1, 4" sch
40), then its length. Its volume is its area times its length, an American
shape's its nominal mass over 7850 kg/m3; it is weighed like any solid. A
name of no one section names up to five near ones. --sections lists the
sections the WORDs find, best first (ipe 2, 100x50, he 200 b, dn 100), or all
of them: designation, standard, area in cm2 and mass per metre in kg/m at
7850 kg/m3.

With --json, print one JSON object for a file or a part, and for several files
an array of their objects in the order given. An object has "file" (files
only), "price_per_kg", "lines" and "totals". A line has the file's columns
(kind, type, size, a, a_unit, b, b_unit, c, c_unit, quantity, material), then
density_kg_m3 (the density it is weighed at: times volume_m3 it gives
weight_kg), cut_by_weight (apertures), volume_m3, weight_kg and cost; the
totals have weight_kg, volume_m3 and cost. Numbers are numbers, written so
that they read back to the same double, in kilograms, cubic metres and kg/m3
whatever the unit options (which --json refuses). null stands where the window
shows no figure: the volume of a rolled profile or of a hole cut by weight,
the total volume where the window shows "Is not calculate", the cost without a
price.

With takeoff, list the lines of FILE cut from stock bars (standard sections,
rolled profiles, cylinders as round bars, pipes as tubes, hexahedrons and
hexagonal bars), grouped by cross-section and material: pieces, total
length, weight and cost by weight, and the lines of each group. A list
without such lines is a fault.

With cutlist, plan each group of the take-off: the stock bars to buy and how
to cut them, at the least cost of the bars (without prices: the least stock
length bought, then the fewest bars). n pieces fit a bar of length L when
their lengths and n - 1 kerfs are at most L less two trims; lengths are taken
to 0.1 mm, never rounded toward fitting. A plan that meets the bound of the
linear relaxation is "proven optimal"; one found when the time limit ran out
is shown with the bound and its gap. --json gives, per group, "item",
"material", "plans" (stock_mm, count, cuts_mm, lines, offcut_mm, remnant),
"bought" (stock_mm, bars, price), "bars", "cost", "lower_bound" (a cost with
prices, a stock length in mm without), "proven_optimal" and "waste_pct", then
the total "bars" and "cost"; null for a cost without prices.

Cut list options:
      --stock LIST      the stock lengths in mm, comma-separated, each with
                        :PRICE of a bar, or :w for by weight (the bar's weight
                        at the lines' price per kg), and xCOUNT bars already on
                        hand: 6000:60,12000:114 or 6000:w,4000x3 (default
                        6000,12000, no prices)
      --kerf MM         the saw's cut (default 3)
      --trim MM         cut off each end of a bar (default 0)
      --min-offcut MM   the shortest offcut kept as a remnant (default 500)
      --time-limit S    seconds for each group at most (default 10)
  -p, -c, -j            as below, for takeoff and cutlist alike

Types:
  parallelepiped        a width, b height, c depth
  cylinder              a diameter, b length
  pipe                  a outer diameter, b inner diameter, c length
  prism1                a leg, b other leg, c length
  prism2                a base, b equal side, c length
  hexahedron            a width across flats, b length
  sphere                a diameter
  part-of-sphere        a sphere radius R, b height of the cap
  cone                  a base diameter, b height
  truncated-cone        a bottom diameter, b top diameter, c height
  pyramid               a base side, b other base side, c height
  hexahedral-bar, i-beam, c-channel, lip-channel, angle
                        rolled profiles: a SIZE, then the length
  section               a standard section: its DESIGNATION, then the length
Every solid but the pipe is also an aperture; a rolled profile or a standard
section is not.

Options:
  -t, --totals          print only the total weight in kilograms, then the
                        total volume in cubic metres, a line each, as the
                        window shows them ("Is not calculate" once a rolled
                        profile is added); with a price, then the cost
  -c, --csv             print the parts list as CSV, as Kubatrix saves it, with
                        what each line adds to the volume and the weight
  -j, --json            print the lines and totals as JSON (see below)
  -m, --material NAME   weigh every line in this material: the window's name,
                        the name alone (copper) or its symbol (cu), or one of
                        the materials library's by its name, designation or
                        a common name (S355, 1.4301, 304, 6082, CW614N)
  -d, --density N       weigh every line at N kilograms per cubic metre
  -p, --price-per-kg N  add the cost at N per kilogram; without it, a file's
                        own price per kilogram, if it has one. Each line's cost
                        is rounded to cents and the total is their sum; a
                        price that gives costs past 15 digits is refused
  -q, --quantity N      the number of equal parts, 1 to 1000 (default 1)
      --weight-unit UNIT
                        gram, kilogram, centner, metric ton or pound (also g,
                        kg, t, lb); the default is kilogram
      --volume-unit UNIT
                        millimeter, centimeter, meter, inch, foot or yard,
                        cubed (also mm3, cm3, m3, in3, ft3, yd3); the default
                        is meter
      --sections        list the standard sections the words find
      --materials       list the library's materials the words find, with
                        their designation, group and density
  -h, --help            print this help and exit
      --version         print the version and exit

Examples:
  kubatrix-calc parts.csv
                        the table of a parts list
  kubatrix-calc --totals --weight-unit pound parts.csv
                        its weight in pounds, then its volume in cubic metres
  kubatrix-calc --material aluminium --csv parts.csv > aluminium.csv
                        the same parts in aluminium, as a new parts list
  kubatrix-calc --json parts.csv | jq .totals.weight_kg
                        its weight in kilograms, for a script
  kubatrix-calc cylinder 2cm 1m --material copper
                        a copper rod of 2 cm by 1 m: 2.8086 kg, 0.00031416 m3
  kubatrix-calc i-beam 300x150x6.5x9 6m --quantity 2
                        two I-beams of 6 m: 432 kg
  kubatrix-calc aperture cylinder 10mm 20mm -q 4
                        four holes of 10 mm by 20 mm, in iron
  kubatrix-calc section "IPE 200" 6m --density 7850
                        an IPE 200 of 6 m in steel: 134.14 kg, 0.017088 m3
  kubatrix-calc --sections hea 2
                        HEA 200 to HEA 280 first, then HEAA 200 to 280
  kubatrix-calc takeoff frame.csv
                        the sections, profiles and bars of a list, grouped
  kubatrix-calc cutlist --stock 6000:60,12000:114 --trim 10 frame.csv
                        the bars to buy and how to cut them, at least cost
)";

} // namespace cli
