#pragma once
// The command-line syntax of palvex and its exit status.

namespace palvex::cli {

// Parses the arguments, runs the subcommand and returns the exit status:
// 0 on success (and for --help), 1 for any refusal, reported as one line on
// stderr. Never lets an exception escape.
int runCommandLine(int argc, char** argv);

}  // namespace palvex::cli
