#include <iostream>
#include <string>
#include <vector>

#include "tools/samplegen/SampleExports.h"

int main(int argc, char** argv)
{
    return corvane::samplegen::RunSampleGen(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
