#pragma once
// skeldertool's macro commands, which run a connection's macro as the Run commands do.
//
//   macro TABLE PATH [--branch] [--to-line N] [--export FILE] [--var N=VALUE]... [--folder DIR]
//     prints the macro a run of the connection at PATH would execute, after assembly and
//     keyword substitution (or, with --export, writes it to FILE as the export does)
//   run TABLE PATH... [--branch] [--var N=VALUE]... [--folder DIR] [--count N] [--delay S]
//     runs it in Tera Term; several PATHs run as a "Run all selected" batch, S seconds
//     apart (the "Time delay" setting by default); --count repeats the whole N times
//   check TABLE [PATH] [--branch] [--folder DIR]
//     checks the macro a run of the connection at PATH (of every connection with a macro
//     when no PATH is given) would execute, as the macro command prints it; each finding
//     is printed as "TABLE(PATH):LINE:COLUMN: error|warning: message"
//
// PATH names a connection by the names from the top, as "/Routers/telnet" ("\/" stands
// for a "/" in a name, "\\" for a "\"). The Tera Term folder is the tool's own folder
// unless --folder names another. The user data comes from the settings; "$[N]" takes
// the value of --var N=VALUE, or is asked for on the terminal.
#include <string>
#include <vector>

namespace skelder {

// Both take the arguments after the command's name and return the exit status: 0 on
// success, 1 when the table cannot be read or the run fails (the message on standard
// error), 2 for a wrong command line (after a message on standard error).
int MacroSubcommand(const std::vector<std::string>& arguments);
int RunSubcommand(const std::vector<std::string>& arguments);
// 0 when no error was found (warnings allowed), 1 when one was, 2 for a wrong command
// line (after its usage line) or a table or connection that cannot be had.
int CheckSubcommand(const std::vector<std::string>& arguments);

}  // namespace skelder
