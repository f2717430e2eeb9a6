// kxprofile: vertical road profiles from the command line, a host of kxlib.
#include <iostream>

#include "Cli.h"

int main(int argc, char** argv) { return kx::tool::Run(argc, argv, std::cout, std::cerr); }
