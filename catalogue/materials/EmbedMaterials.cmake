# Wraps catalogue/materials/materials.csv, as it is, in one C++ source: the
# text becomes a raw string literal that catalogue/MaterialData.h declares,
# read by the program the first time a material is asked for. Nothing is
# parsed here, so the CSV file stays the only place a density is written.
# The same way as sections/EmbedSections.cmake, which makes a list of files
# of its own kind; one file needs only this.
#
#   cmake -DINPUT=<materials.csv> -DOUTPUT=<generated .cpp> -P EmbedMaterials.cmake
cmake_minimum_required(VERSION 3.25)

file(READ "${INPUT}" text)
string(FIND "${text}" ")csv\"" clash)
if(NOT clash EQUAL -1)
  message(FATAL_ERROR "${INPUT} holds the closing delimiter )csv\" of a raw string")
endif()

file(WRITE "${OUTPUT}.new" "// Generated from catalogue/materials/materials.csv by EmbedMaterials.cmake; edit the CSV file.
#include \"catalogue/MaterialData.h\"

namespace catalogue {

using namespace std::string_view_literals;

// Constant data: it costs nothing at start-up.
std::string_view MaterialsText() {
    return R\"csv(${text})csv\"sv;
}

} // namespace catalogue
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
