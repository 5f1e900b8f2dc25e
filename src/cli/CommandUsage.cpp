#include "cli/CommandUsage.h"

#include <array>
#include <ostream>

namespace {

struct Usage {
    std::string_view command;
    std::string_view text;
};

constexpr std::array kUsages = {
    Usage{"log", R"(fernzahl-cli log export [FILTER] [--output FILE] [--format text|csv|json]
fernzahl-cli log list [FILTER] [--sort COLUMN] [--descending] [--totals] [--format text|csv|json]
fernzahl-cli log print [FILTER] [--sort COLUMN] [--descending] --pdf FILE
    export writes the log to FILE (default: standard output), in the log's order: the ";"
    text export of the desktop program (text, the default), RFC 4180 CSV, or one JSON
    object per line. list shows it as a table (or CSV, JSON), ordered by COLUMN: start
    (the default), duration, units, costs, connection, user, device or tariff; --totals
    adds the line of totals. print writes the rows in that order as the desktop program
    prints them, with the totals, into the PDF file FILE.
    FILTER, as the log view's filter (each bound inclusive):
      --from WHEN --to WHEN          starts in that period ("YYYY-MM-DD HH:MM[:SS]" or as
                                     the locale writes it)
      --today --this-week --this-month
      --shortest TIME --longest TIME durations (seconds, or HH:MM:SS)
      --fewest-units N --most-units N
      --cheapest AMOUNT --dearest AMOUNT
      --connection NAME --user NAME --device NAME --tariff NAME   exactly that text
)"},
    Usage{"summary", R"(fernzahl-cli summary --by day|user|name|hour|monthday|weekday|month [FILTER]
                     [--sort label|count|duration|units|costs] [--descending] [--format text|csv|json] [--pdf FILE]
    The shown rows of the log (FILTER as for log) totalled by day, user, connection name, hour
    of the day, day of the month, weekday or month: connections, duration, units and costs
    of each group, ordered by the group (the default) or by a total. Hours, days of the
    month, weekdays and months are all listed, with zeros where nothing was logged. --pdf
    writes the summary as the desktop program prints it into the PDF file FILE instead.
)"},
    Usage{"rerate", R"(fernzahl-cli rerate --tariff NAME [FILTER] [--discount N] [--format text|csv|json]
    The shown rows of the log (FILTER as for log, without --tariff) metered again under the
    tariff file NAME (as for tariff dump), unit by unit through the engine of the desktop
    program: each connection's logged and re-rated units and costs and the difference,
    then the totals. The discount counter starts at N (default 0) and is cleared as the
    monthly counter's settings say.
)"},
    Usage{"compare", R"(fernzahl-cli compare [FILTER] [--format text|csv|json]
    The shown rows of the log re-rated under every tariff file of the data directory: a
    line a tariff with its units, costs, the difference to the logged costs and the
    saving in percent, the cheapest first.
)"},
    Usage{"tariff", R"(fernzahl-cli tariff import TEXTFILE NAME [--replace]
fernzahl-cli tariff export FILE [--output FILE]
fernzahl-cli tariff dump FILE [--json]
fernzahl-cli tariff holidays FILE --year YEAR --set de|at|ch [--add]
fernzahl-cli tariff assign [--force] ENTRY TARIFF
fernzahl-cli tariff unassign [--force] ENTRY
    import makes the tariff NAME (the file NAME.tff of the data directory) from a tariff
    written as text (TEXTFILE - reads standard input); it replaces a tariff of that name
    only with --replace. A fault in the text is told with its line, and nothing is written.
    export writes a tariff as that text to FILE (default: standard output), which import
    reads back as the same tariff. The text form: man fernzahl-cli, TARIFF TEXT.
    dump shows the options, discount, holidays and zones of a tariff file. FILE is a path,
    or the title of a tariff of the data directory (Mobil for Mobil.tff, in any case).
    holidays lists the public holidays of YEAR kept in all of Germany (de), Austria (at) or
    Switzerland (ch), each marked as in the tariff or missing; --add appends the missing
    ones to the tariff as holidays.
    assign has the dial-up entry ENTRY (as phonebook lists it; * for the modem line)
    charged by the tariff TARIFF of the data directory (its title, in any case) from its
    next connection; unassign gives it back to the default tariff Fernzahl. An entry the
    phonebook does not know (--force takes one made later) or a tariff the data directory
    does not hold is refused (2) with the known ones, and nothing is written.
)"},
    Usage{"counters", R"(fernzahl-cli counters [--json]
fernzahl-cli counters reset daily|weekly|monthly|total
    The daily, weekly, monthly and total counters and the discount counter. --json ends
    the list with the entry "budget": limit, spent, remaining and projection as budget
    --json gives them. reset clears that counter as the main window does (the monthly one
    also clears the discount counter when Zähler ResetRabatt is 1) and leaves the others
    as they are; it is refused (4) while a meter (Fernzahl or fernzahl-cli run) holds the
    data folder, naming it.
)"},
    Usage{"budget", R"(fernzahl-cli budget [--json]
    The monthly budget: its limit, what the monthly counter has spent of it in this
    counting month, what remains (negative past the limit) and the month's projected
    total (the costs so far divided by the share of the month that has passed). --json
    prints limit, spent, remaining and projection as one object, each null while no
    budget is set. Exits 0 within the budget (or without one), 1 past the warning share,
    3 past the limit, 4 when the counter file cannot be read or is damaged.
)"},
    Usage{"rate", R"(fernzahl-cli rate [--tariff FILE] [--at "YYYY-MM-DD HH:MM[:SS]"] [--discount-count K] [--json]
    The rate in force at that moment (default: now): day kind, zone, unit length, prices,
    discount. FILE as for tariff dump; default: the default tariff Fernzahl, and without that
    file the built-in rate, as the desktop program meters. --discount-count starts the
    discount counter at K instead of the stored count.
)"},
    Usage{"meter", R"(fernzahl-cli meter [--tariff FILE] [--start "YYYY-MM-DD HH:MM[:SS]"] --seconds N
                   [--discount-count K] [--trace] [--json]
    What a connection of N seconds starting then (default: now) costs, metered unit by
    unit through the engine of the desktop program on a simulated clock, N up to
    2147483646 (68 years); --trace lists every unit. FILE and K as for rate. Writes
    nothing unless --data-dir is given: then the connection, once metered to its end, is
    logged there and added to the counters as they stand on the real clock (a counter whose
    period is over is reset first; none is reset or dated by the simulated time), its
    discounted units to the discount counter. With
    --data-dir, a --start in the future is refused; an interrupted run (SIGINT, SIGTERM,
    SIGHUP) writes nothing and ends with 128 + the signal's number.
)"},
    Usage{"watch", R"(fernzahl-cli watch [--once]
    Prints a line for every connection that starts or ends (time, started/ended, source,
    name, device, start offset, tariff file, tariff name) until interrupted; --once prints
    the present state.
)"},
    Usage{"run", R"(fernzahl-cli run
    Meters without a window, as the desktop program does: every connection detected with the
    settings of the data folder is metered, logged and counted, a connection left by a stop
    is recovered, Log.txt is written when set. Prints a line at each connection's start
    (time, started, name, device, tariff) and end (time, ended, name, device, tariff,
    seconds, units, costs); notifies through the desktop's notification service and offers
    the live meter on the session bus where there are. SIGTERM or SIGINT log a running
    connection and end with 0. Refuses (4) while another meter holds the data folder.
    For a systemd user unit: systemctl --user enable --now fernzahl
)"},
    Usage{"status", R"(fernzahl-cli status [--format text|json|waybar|line] [--json] [--follow]
    The live meter of the data folder, from the program that meters it (Fernzahl or
    fernzahl-cli run) over the session bus: the running connection, its time, units and
    costs so far, and the counters' costs. A meter that holds the folder but cannot be
    asked (no session bus) is named, with what its files say. --json (--format json)
    prints one object; waybar prints one JSON object for a waybar custom module (text,
    tooltip, class connected, idle or stopped); line the bar's text alone (polybar,
    i3blocks, tmux). --follow prints a line whenever it would read otherwise, at most
    once a second, until interrupted (text becomes line). Exits 3 when no meter runs for
    the folder; waybar and line print their line then too.
)"},
    Usage{"phonebook", R"(fernzahl-cli phonebook
    The dial-up entries (pppd peers, NetworkManager dial-up profiles).
)"},
    Usage{"settings", R"(fernzahl-cli settings get SECTION NAME
fernzahl-cli settings set [--string] [--force] SECTION NAME VALUE
fernzahl-cli settings list
    get prints a setting (its default when not stored); an unknown name is wrong use (2),
    with the nearest known one, as for set. list prints every setting.
    set stores a setting the program knows, as the options sheet would: a number setting
    takes a whole number in its range (Zähler ResetTag 1-31, Überwachung Vorlaufzeit 0-600,
    Überwachung Port 0-3, switches 0 or 1), Budget Limit an amount (0 to 100000.00, 0 for
    no budget), a text setting any text. Anything else is refused and nothing is written. --force stores any name and value (a whole number
    as a number, unless --string is given), for testing.
)"},
};

constexpr std::string_view kHeader = R"(Usage: fernzahl-cli [--data-dir DIR] COMMAND ...
       fernzahl-cli COMMAND --help

Fernzahl from a terminal: the same data and settings as the desktop program.

Commands:

)";

constexpr std::string_view kFooter = R"(Options of every command:
  --data-dir DIR   use DIR for data files and settings (default: $FERNZAHL_HOME,
                   else ~/.local/share/fernzahl with settings in ~/.config/fernzahl)
  --help           show this text, or with a command its usage
  --version        show the version
An option takes its value after a blank or an '=' (--sort=costs); --output - is standard
output. CSV and JSON are the same bytes in every language: ISO dates, English names of
weekdays and months, names as stored, the default tariff as Fernzahl.

Exit codes:
  0  done
  1  failed: a file could not be read or written
  2  wrong use: an unknown command, option or setting, or a value it does not take;
     nothing is written
  budget has codes of its own: 1 past the warning share, 3 past the limit, 4 the
  counter file cannot be read or is damaged; status exits 3 when no meter runs; run and
  counters reset exit 4 while a meter holds the data folder
)";

} // namespace

std::string ProgramUsage() {
    std::string text(kHeader);
    for (const Usage& usage : kUsages) {
        text.append(usage.text).append("\n");
    }
    return text.append(kFooter);
}

std::string_view CommandUsage(std::string_view command) {
    for (const Usage& usage : kUsages) {
        if (usage.command == command) {
            return usage.text;
        }
    }
    return {};
}

int WrongUse(std::ostream& err, std::string_view command, const std::string& reason) {
    err << "fernzahl-cli: " << reason << "\nUsage:\n" << CommandUsage(command);
    return 2;
}
