# Fails when the portable code includes anything but the C++ standard library and its own
# headers: only platform/win32, toolkit/win32 and app/ may see the Windows headers.
cmake_policy(SET CMP0057 NEW)
set(standard
    algorithm any array atomic bit bitset cassert cctype cerrno cfloat charconv chrono cinttypes
    climits clocale cmath compare concepts condition_variable cstdarg cstddef cstdint cstdio
    cstdlib cstring ctime cwchar cwctype deque exception filesystem format forward_list fstream
    functional initializer_list iomanip ios iosfwd iostream istream iterator limits list locale
    map memory mutex new numeric optional ostream queue random ranges ratio regex set span
    sstream stack stdexcept streambuf string string_view system_error thread tuple type_traits
    typeinfo unordered_map unordered_set utility variant vector barrier cfenv codecvt coroutine
    csetjmp csignal cuchar execution future latch memory_resource numbers scoped_allocator
    semaphore shared_mutex source_location stop_token typeindex valarray version)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(offenders "")
set(checked 0)
foreach(file ${sources})
    if(file MATCHES "^(platform/win32|toolkit/win32|app)/")
        continue()
    endif()
    math(EXPR checked "${checked} + 1")
    file(STRINGS ${SOURCE_DIR}/${file} lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line ${lines})
        if(line MATCHES "<([^>]+)>")
            if(NOT CMAKE_MATCH_1 IN_LIST standard)
                list(APPEND offenders "${file}: <${CMAKE_MATCH_1}>")
            endif()
        elseif(line MATCHES "\"([^\"]+)\"")
            # Our own headers, by their path from src/, or the generated product settings.
            set(header ${CMAKE_MATCH_1})
            if(NOT header STREQUAL "product.h" AND
               (NOT EXISTS ${SOURCE_DIR}/${header} OR header MATCHES "^(platform/win32|toolkit/win32)/"))
                list(APPEND offenders "${file}: \"${header}\"")
            endif()
        endif()
    endforeach()
endforeach()
if(offenders)
    list(JOIN offenders "\n" text)
    message(FATAL_ERROR "Headers the portable code may not include:\n${text}")
endif()
message(STATUS "The portable code includes only the standard library and its own headers (${checked} files)")
