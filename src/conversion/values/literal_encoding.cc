// The program's texts must be the same Windows-1250 bytes whatever compiler
// builds it; a compiler that leaves them UTF-8 stops here.
static_assert(sizeof("Použití řádek") == 14 && static_cast<unsigned char>("ž"[0]) == 0x9E &&
                  static_cast<unsigned char>("í"[0]) == 0xED &&
                  static_cast<unsigned char>("ř"[0]) == 0xF8 &&
                  static_cast<unsigned char>("á"[0]) == 0xE1,
              "string literals must be compiled into Windows-1250");
