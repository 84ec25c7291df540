#include <iostream>
#include <string>
#include <vector>

#include "convert/Convert.h"
#include "platform/ConsoleOutput.h"
#include "platform/Process.h"

int main(int argc, char** argv)
{
    const corvane::platform::ConsoleOutput console;
    return corvane::convert::RunConvert(corvane::platform::ProgramArguments(argc, argv), std::cout, std::cerr);
}
