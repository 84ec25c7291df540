#include <iostream>
#include <string>
#include <vector>

#include "convert/Convert.h"
#include "platform/ConsoleOutput.h"

int main(int argc, char** argv)
{
    const corvane::platform::ConsoleOutput console;
    return corvane::convert::RunConvert(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
