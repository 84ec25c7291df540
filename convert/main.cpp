#include <iostream>
#include <string>
#include <vector>

#include "convert/Convert.h"

int main(int argc, char** argv)
{
    return corvane::convert::RunConvert(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
