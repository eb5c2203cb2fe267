OziExplorer Track Point File Version 2.1
WGS 84
Altitude is in Feet
Reserved 3
0,2,255,AtlanticoSur,0,0,2,8421376
0
-5.000000,-3.000000,1,0.0,,,
