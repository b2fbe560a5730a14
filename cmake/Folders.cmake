# Every source file under a library's folder belongs to that library: new classes need no
# change to the build files.
function(brisvale_sources out dir)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS
       "${dir}/*.cpp" "${dir}/*.h")
  set(${out} ${found} PARENT_SCOPE)
endfunction()
