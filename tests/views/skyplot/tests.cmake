# This window's test programs (hv_test calls; Qt ones inside if(HV_UI)).
