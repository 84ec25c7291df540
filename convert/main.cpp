#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "convert/Convert.h"
#include "fileio/AtomicFile.h"

int main(int argc, char** argv)
{
#ifdef SIGPIPE
    // A closed standard output (a pipe to "head -0") must not end the run
    // between writing the document and saving the settings.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    corvane::fileio::RemoveTemporaryFilesOnInterrupt();
    return corvane::convert::RunConvert(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
