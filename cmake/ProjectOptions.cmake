# Flags shared by every target of the project.

# Narrow literals are GBK bytes inside the program; a character GBK lacks is a compile error.
add_compile_options(-fexec-charset=GBK -finput-charset=UTF-8)
add_compile_options(-Wall -Wextra -Wno-unused-parameter -Wno-missing-field-initializers)

if(ORVANE_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# Everything that ships beside the executables (style folders, help pages, option.dat)
# is copied next to them so that the program folder of a build is a working installation.
set(ORVANE_PROGRAM_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${ORVANE_PROGRAM_DIR})

# orvane_add_library(name sources...): a static library of one source folder.
function(orvane_add_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()
