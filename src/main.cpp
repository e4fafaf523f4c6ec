#include "app/startup.h"

int main(int argc, char** argv) { return pk::RunPursekeep(argc, argv); }
