#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "convert/Convert.h"
#include "fileio/AtomicFile.h"
#include "platform/ConsoleOutput.h"
#include "platform/HugePageHeap.h"
#include "platform/Process.h"

int main(int argc, char** argv)
{
    // Before the heap grows and before any thread starts.
    corvane::platform::PreferHugePagesForHeap();
#ifdef SIGPIPE
    // A closed standard output (a pipe to "head -0") must not end the run
    // between writing the document and saving the settings.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    corvane::fileio::RemoveTemporaryFilesOnInterrupt();
    const corvane::platform::ConsoleOutput console;
    return corvane::convert::RunConvert(corvane::platform::ProgramArguments(argc, argv), std::cout, std::cerr);
}
