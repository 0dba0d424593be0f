# Wraps the section tables, as they are, in one C++ source: each file becomes a
# raw string literal in the list that catalogue/SectionData.h declares. The
# files are read as text by the program the first time a section is asked for;
# nothing is parsed here, so this script stays a copy and a CSV file stays the
# only place a figure is written.
#
#   cmake -DDIR=<folder of the CSV files> -DOUTPUT=<generated .cpp>
#         -DFILES=<names, separated by |> -P EmbedSections.cmake
#
# CMake rather than a script language, so a fresh machine needs nothing more
# to build.
cmake_minimum_required(VERSION 3.25)

string(REPLACE "|" ";" files "${FILES}")
set(body "")
foreach(name IN LISTS files)
  file(READ "${DIR}/${name}" text)
  string(FIND "${text}" ")csv\"" clash)
  if(NOT clash EQUAL -1)
    message(FATAL_ERROR "${name} holds the closing delimiter )csv\" of a raw string")
  endif()
  string(APPEND body "    {\"${name}\"sv, R\"csv(${text})csv\"sv},\n")
endforeach()

list(LENGTH files count)
file(WRITE "${OUTPUT}.new" "// Generated from catalogue/sections/*.csv by EmbedSections.cmake; edit the CSV files.
#include \"catalogue/SectionData.h\"

#include <array>

namespace catalogue {
namespace {

using namespace std::string_view_literals;

// Constant data: it costs nothing at start-up, and its pages are read only
// when a section is first looked up. The literals carry their lengths (sv),
// so no compiler has to count half a megabyte of characters to build them.
constexpr std::array<SectionFile, ${count}> Files{{
${body}}};

} // namespace

std::span<const SectionFile> SectionFiles() {
    return Files;
}

} // namespace catalogue
")
# Only a changed text touches the output, so an edit of the script alone
# rebuilds nothing.
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
