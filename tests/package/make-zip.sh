if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
!if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
yif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
:if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
yif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
:if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
_if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
_if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
_if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
<if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
6if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
4if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
3if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
'if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
yif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
0if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
1if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
3if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
{if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
:if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
1if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
}if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
!if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
1if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
{if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
#if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
@if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
}if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
1if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
{if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
0if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
}if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
<if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
,if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
:if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
{if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
}if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
{if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
0if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
}if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
3if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
8if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
6if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
3if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
3if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
8if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
6if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
6if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
4if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
6if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
4if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
6if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
4if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
*if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
'if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
\if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
\if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
;if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
[if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
]if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
fif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
'if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Yif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
\if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
0if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
_if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
2if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
>if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
1if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
|if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
jif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Yif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
=if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
qif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
uif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
\if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
Pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
0if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
&if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
wif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
/if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
_if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
xif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
.if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
cif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
kif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
-if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
:if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
(if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
bif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
aif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
mif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
$if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
zif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
pif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
)if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
oif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
lif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
dif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
sif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
 if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
vif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
eif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
rif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
yif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
tif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
hif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
iif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
nif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
gif ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
"if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi

if ! cmake -DOBJDUMP="$objdump" -DLIBRARY="$top/quorvane-region.dll" \
    -P "$here/../region/check_exports.cmake" >exports.log 2>&1; then
  cat exports.log >&2
  fail "the DLL does not export exactly the eleven functions"
fi
