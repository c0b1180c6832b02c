#include "app/lifecycle.h"

int main() { return runProgram(); }
