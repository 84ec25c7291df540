#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "convert/Convert.h"
#include "convert/ConvertOptions.h"
#include "fileio/AtomicFile.h"
#include "platform/ConsoleOutput.h"
#include "platform/HugePageHeap.h"
#include "platform/Process.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args = corvane::platform::ProgramArguments(argc, argv);
    // Before the heap grows much and before any thread starts. Only for one
    // conversion: a batch's small ones gain nothing, and its memory would grow
    // by whole huge pages with the number of companies.
    if (!corvane::convert::ParseConvertOptions(args).options.batch)
        corvane::platform::PreferHugePagesForHeap();
#ifdef SIGPIPE
    // A closed standard output (a pipe to "head -0") must not end the run
    // between writing the document and saving the settings.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    corvane::fileio::RemoveTemporaryFilesOnInterrupt();
    const corvane::platform::ConsoleOutput console;
    return corvane::convert::RunConvert(args, std::cout, std::cerr);
}
