// The climate model's whole state: configuration, input series, gas cycles,
// forcing, the ocean column, annual results and the aerosol forcing that
// every simulation's report tables take from the first.
//
// Indexing follows the model's own numbering. A year index n stands for
// calendar year 1764 + n (1 is 1765, 226 is 1990, 236 is 2000, 740 is 2504);
// every year series holds elements 0 .. NYMAX, so element [n] is year index
// n. Hemisphere (h = 1, 2), layer (k = 1 .. 40), case (1 LOW, 2 MID, 3 HIGH,
// 4 USER) and record indices are 1-based too: element 0 is unused.
#pragma once

namespace orv {

// Year axis. The last year accepted is 2504 (index 740); the SO2 series
// carry one more year, which the aerosol forcing of the last year reads.
inline constexpr int NYLAST = 740;
inline constexpr int NYMAX = NYLAST + 1;
inline constexpr int NY = NYMAX + 1;      // elements of a year series
inline constexpr int NHIST = 236;         // last historical year index (2000)
inline constexpr int NLAYER = 40;         // ocean layers per hemisphere
inline constexpr int MAXEMK = 100;        // data records of the emissions profile kept
inline constexpr int NDRV = NY - 196;     // drive-file years: y = 1 is 1961

// Fixed physical constants of the ocean.
inline constexpr float RHO = 1.026f;      // sea-water density, g/cm3
inline constexpr float CP = 4.1856f;      // specific heat of sea water, J/(g K)
inline constexpr float AREAF = 0.9333f;   // factor in the ocean column's heat capacity
inline constexpr float XKCONV = 3155.76f; // XKH (m2/yr) = XK (cm2/s) * XKCONV

// The four parameter sets: printed names and climate sensitivities (the
// USER sensitivity is the configured DT2XUSER).
inline constexpr const char* CASENAME[5] = {"", " LOW", " MID", "HIGH", "USER"};
inline constexpr float DT2XSET[5] = {0.0f, 1.5f, 2.6f, 4.5f, 0.0f};

// Printed names of the climate models selectable by IMODEL (0 to 10).
inline constexpr const char* MODNAME[11] = {" ORVANE", "   GC09", "   GC18", "   GC19",
                                            "   GC20", "   GC21", "   GC22", "   GC23",
                                            "OAGCM 8", "OAGCM 9", "OAGCM 0"};

struct OrvState {
  // ---- ORVUSER.CFG ----
  int LEVCO2 = 0;       // CO2 concentration case 1..4
  int IFEED = 0;        // CO2-climate feedback on the carbon cycle
  int LEVSO4 = 0;       // aerosol forcing case 1..4
  float DT2XUSER = 0;   // USER climate sensitivity, degC
  float XK = 0;         // vertical ocean diffusivity, cm2/s
  int IVARW = 0;        // upwelling mode 0..3
  int IMODEL = 0;       // climate model 0..10
  int IREFYR = 0;       // reference year of the temperature and sea-level table
  int IPRTYR1 = 0;      // first year of that table
  int IYEND = 0;        // last year of the run
  int IPRTSTEP = 0;     // year step of that table
  int IUSERICE = 0;     // ice-melt case of the USER set 1..3

  // ---- ORVGAS.CFG ----
  int IGASUSER = 0;
  float D80SIN = 0;     // 1980s net land-use flux of the USER carbon case, GtC/yr
  float FOC80SIN = 0;   // 1980s ocean flux of the USER carbon case, GtC/yr
  float CCFB1 = 0, CCFB2 = 0, CCFB3 = 0, CCFB4 = 0;  // carbon-cycle climate feedbacks
  int IMETH = 0;        // methane-oxidation CO2 in the CO2 emissions
  int LEVCH4 = 0;       // CH4 concentration case 1..4
  float TAUCH4U = 0, TAUCH4M = 0, DTAUCH4 = 0;  // CH4 lifetimes, yr
  float TAUSINK1 = 0, TAUSINK2 = 0;             // further CH4 sinks, yr
  float CH4C90 = 0, CH4DC90 = 0;                // CH4 budget terms
  float TAUN2O = 0, N2OC90 = 0, N2ODC90 = 0;    // N2O lifetime and budget terms
  float QN2OC = 0;      // N2O square-root forcing coefficient
  float QDIRU = 0, QINDU = 0, QBIOU = 0, QFOCU = 0;  // USER 1990 aerosol forcings, W/m2
  int IFOCSC = 0;       // 2: fossil OC+BC scaled with CO, else with SO2
  float QO3DU = 0;      // tropospheric ozone forcing factor
  int IO3FEED = 0;      // stratospheric ozone depletion feedback
  int IHALO = 0;        // halocarbons outside GAS.EMK; QHALOS.IN column layout
  float GASK1 = 0, GASK2 = 0, GASK3 = 0, GASK4 = 0, GASK5 = 0;  // gas-chemistry constants
  int IGASKDEF = 0;     // 1: GASK1..5 take their defaults
  int ITAUFB = 0;       // temperature feedback on the CH4 lifetime
  float TAUOTHER = 0;   // combined lifetime of the two further CH4 sinks, yr

  // ---- ORVMOD.CFG ----
  float TOFAC = 0;      // mixed-layer to ocean-box surface temperature factor
  float QCO2COEF = 0;   // CO2 forcing coefficient, W/m2 per ln(C/C0)
  float RLO = 0;        // equilibrium land/ocean warming ratio
  float HM = 0;         // mixed-layer depth, m
  float W0 = 0;         // initial upwelling rate, m/yr
  float PI = 0;         // polar sinking-water temperature ratio
  float TWZERONH = 0, TWZEROSH = 0;  // warming at which W would reach zero, degC
  float XKLO = 0;       // land-ocean heat exchange, W m-2 K-1
  float XKNS = 0;       // inter-hemispheric heat exchange, W m-2 K-1
  int ICO2CONC = 0;     // prescribed CO2 from co2input.dat, 0..3
  float CO2SCALE = 0;   // scale of post-1990 CO2 forcing with ICO2CONC = 1
  int IQEXTRA = 0;      // extra forcing from qextra.in: 0 none, 1 added, 2 alone
  float QOFFSET = 0, QFACTOR = 0;  // applied to every qextra.in value
  float SLPAR[16] = {}; // sea-level and expansion constants, 1..15

  // ---- ORVRUN.CFG ----
  int IRUNMODE = 0;     // 1: twenty simulations, 9: USER only, else four
  int IDISSTEP = 0;     // year step of the display files
  int ICONCYR = 0;      // timing of the concentration table from 1990
  int IQKYOTO = 0;      // forcing-table switch and CO2 correction
  int IWSCALE = 0;      // temperature driving the variable upwelling, 1..5

  // ---- ORVXTRA.CFG ----
  int IWPROF = 0;       // background profile of the upwelling correction
  float DT = 0;         // climate sub-step, yr (at most 1.0)
  int ITEMPTAB = 0;     // layout of the temperature and sea-level table
  int IEMSTEP = 0, ICCSTEP = 0, ICONCSTEP = 0, IQSTEP = 0;  // report table year steps
  float TOFFSET = 0;    // degC added to the printed global temperature
  float DELQH2O = 0;    // stratospheric H2O forcing / CH4 forcing
  float ESNAT = 0;      // natural SO2 emission
  int IQGHG = 0;        // greenhouse forcing switch
  float CH4CONV = 0;    // CH4 budget (ppb) to emissions factor
  float SOHM = 0, DSOH = 0, GAMOH = 0;         // CH4 lifetime self-feedback, OH scale
  float CNOXM = 0, DCNOX = 0, CCOM = 0, DCCO = 0, CVOCM = 0, DCVOC = 0;  // CH4 lifetime coefficients
  int IXTRAZERO = 0;    // 1: CNOXM, CCOM, CVOCM set to 0
  float N2OCONV = 0;    // N2O budget to emissions factor
  float SN2O = 0;       // N2O lifetime exponent
  int LAGN2O = 0;       // stratospheric lag of N2O, yr
  float WTHC = 0;       // permanent shutdown threshold of W, m/yr
  float ES1990 = 0;     // 1990 base SO2 emission

  // ---- Settings derived at start-up ----
  float QDIR90 = 0, QIND90 = 0, QBIO90 = 0, QFOC90 = 0;  // 1990 aerosol forcings, W/m2
  float XKH = 0;        // diffusivity, m2/yr
  int NSIMS = 0;        // simulations of the run
  int IDIFFL = 0;       // 1: separate land and ocean feedback parameters
  float QCO2C = 0;      // CO2 forcing coefficient in use
  float Q2X = 0;        // CO2-doubling forcing, W/m2
  float FK = 0;         // heat capacity of a 1 m sea-water column, W yr m-3 K-1

  // ---- Land and ocean fractions, area weights ----
  float FL[3] = {0.0f, 0.42f, 0.21f};  // land fraction of hemisphere h
  float FO[3] = {};                    // ocean fraction
  float FLSUM = 0, FOSUM = 0;
  float AFNO = 0, AFNL = 0, AFSO = 0, AFSL = 0;  // global-mean weights of the boxes

  // ---- Year axis of the run ----
  int NYEND = 0;        // last year index
  int IREFIX = 0;       // year index of IREFYR
  float TEND = 0;       // last year - 1765

  // ---- co2hist.IN ----
  float CO2HIST[NHIST + 1] = {};   // observed CO2, ppm, 1764..2000
  float CO2HIST2[NHIST + 1] = {};  // second historical series

  // ---- QHALOS.IN ----
  int LASTHALO = 0;
  float QMONTDIR[NY] = {}, QSTRATO3[NY] = {}, QKYOTO[NY] = {}, QHALOOTH[NY] = {};

  // ---- co2input.dat ----
  int LASTCO2 = 0, LASTCO2IX = 0;
  float CO2IN[NY] = {};            // prescribed CO2, ppm, from 1990

  // ---- qextra.in ----
  int NQCOL = 0, IQY1 = 0, IQY2 = 0;
  int IQX1 = 0, IQX2 = 0;          // year-index range where the extra forcing applies
  float QEXG[NY] = {}, QEXNH[NY] = {}, QEXSH[NY] = {};  // as read
  float QEXNHO[NY] = {}, QEXNHL[NY] = {}, QEXSHO[NY] = {}, QEXSHL[NY] = {};  // box forcing, W/m2

  // ---- GAS.EMK: profile records and annual emissions ----
  int NEMK = 0;
  char PROFILE[21] = {};           // 20-character profile name
  int IYR[MAXEMK + 1] = {};        // record years (relative to 1990 once read)
  float EMKV[MAXEMK + 1][19] = {}; // record values, columns 1..18
  float EMKTOT[MAXEMK + 1] = {};   // total SO2 of each record
  float DCH4[5] = {};              // CH4 natural-emission offsets by case
  float DCH4SEL = 0, TAUCH4SEL = 0, DN2O = 0;
  float EFOSS[NY] = {}, NETDEF[NY] = {};  // fossil and net land-use CO2, GtC/yr
  float EMCH4[NY] = {}, EMN2O[NY] = {};
  float ENOX[NY] = {}, EVOC[NY] = {}, ECO[NY] = {};
  float SO2REG1[NY] = {}, SO2REG2[NY] = {}, SO2REG3[NY] = {}, SO2TOT[NY] = {};
  float EMK11[NY] = {}, EMK12[NY] = {}, EMK13[NY] = {}, EMK14[NY] = {};  // further halocarbons
  float EMK15[NY] = {}, EMK16[NY] = {}, EMK17[NY] = {}, EMK18[NY] = {};
  float ECO90 = 0;                 // 1990 CO emission
  float ECOEXT[NY] = {};           // ECO extended back linearly to zero
  float SO2[NY] = {};              // SO2 series the physics uses in this simulation

  // ---- Concentrations and gas-cycle results ----
  float CO2[NY] = {};              // ppm, case LEVCO2
  float CH4[NY] = {}, TAUCH4[NY] = {};   // user CH4 case, ppb, and its lifetime, yr
  float CH4LO[NY] = {}, CH4MID[NY] = {}, CH4HI[NY] = {};
  float N2O[NY] = {};              // ppb
  float HALOC[9][NY] = {};         // the eight further halocarbons, ppt (k = 1..8)
  float CH4OXN[NY] = {};           // CO2 from methane oxidation, GtC/yr
  float ETOT[NY] = {};             // CO2 emissions used by the carbon cycle, GtC/yr
  float CH4REF = 0, N2OREF = 0;
  float TAU0[5] = {};              // CH4 base lifetimes of the LOW, MID, HIGH and user cases
  float TEXT = 0, T1990X = 0, T2000X = 0;  // extrapolated temperature of the year
  float DCO2CASE[5] = {};          // CO2(2000) minus each carbon variant's CO2
  float DCO2SEL = 0;               // the same for LEVCO2
  float DQTROP = 0;                // last historical increment of QTROPOZ

  // ---- Carbon cycle, per variant v = 1..4 ----
  float CO2V[5][NY] = {}, PLANT[5][NY] = {}, HLITT[5][NY] = {}, SOIL[5][NY] = {};
  float REGROW[5][NY] = {}, CUMNET[5][NY] = {}, OFLUX[5][NY] = {}, DELM[5][NY] = {};
  float GROSSD[5][NY] = {};
  float NETEM[NY] = {};
  float BETA[5] = {}, BETAE[5] = {}, RDBL[5] = {}, D90[5] = {}, GROSSD90[5] = {};
  float LAMO[6][5] = {}, RES[6][5] = {}, AMP[6][5] = {};  // ocean terms L = 1..5
  float C0 = 0;                    // pre-industrial CO2 reference, ppm

  // ---- Forcing series, W/m2 ----
  float QCO2[NY] = {}, QCH4[NY] = {}, QCH4O3[NY] = {}, QN2O[NY] = {}, QHALO[NY] = {};
  float QGHG[NY] = {}, QTROPOZ[NY] = {};
  float QAER[NY] = {}, QAERDIR[NY] = {}, QFOC[NY] = {}, QBIO[NY] = {};
  float QTOT[NY] = {};
  float QGLOB[NY] = {};            // global forcing at the start of the year
  float TEQU[NY] = {};             // equilibrium warming, degC

  // ---- Climate-model scalars of the simulation ----
  float DT2X = 0;                  // climate sensitivity, degC
  float XLAM = 0;                  // global feedback parameter
  float XLAML = 0, XLAMO = 0;      // land and ocean feedback parameters
  float DZ = 100.0f;               // thickness of layers 2..40, m
  float DZH = 0, DTHM = 0, DTDZ = 0, XKHH = 0, XKHDZ = 0, ADIF = 0;  // working coefficients
  float TML[3] = {}, TBOT[3] = {}; // mixed-layer and bottom absolute temperatures

  // ---- Climate state of the simulation ----
  float TIME = 0;
  int IY = 0, IYPREV = 0, IYDONE = 0;
  float TO[3][NLAYER + 1] = {};    // ocean layer temperature change, degC
  float TNO = 0, TNL = 0, TSO = 0, TSL = 0;  // surface boxes, degC
  float QNO = 0, QNL = 0, QSO = 0, QSL = 0;  // box forcings, W/m2
  float HFNS[3] = {};              // inter-hemispheric heat flux, W/m2
  float W[3] = {}, DW[3] = {};     // upwelling and its change from W0, m/yr
  int ISHUTN = 0, ISHUTS = 0;      // permanent shutdown latches
  float TINIT[3][NLAYER + 1] = {}; // initial steady-state profile, degC
  float TEMP0[NLAYER + 1] = {};    // reference profile, degC
  float PRESS[NLAYER + 1] = {};    // pressure at mid-layer
  float ZK[NLAYER + 1] = {};       // mid-layer depth below the mixed layer, m
  float TG[NLAYER + 1] = {}, TGPREV[NLAYER + 1] = {};  // global-ocean layer means

  // ---- Annual climate results (state series) ----
  float TEMP[NY] = {}, TNH[NY] = {}, TSH[NY] = {};
  float TNHO[NY] = {}, TNHL[NY] = {}, TSHO[NY] = {}, TSHL[NY] = {};
  float TLAND[NY] = {}, TOCN[NY] = {}, TDEEP[NY] = {};
  float WNH[NY] = {}, WSH[NY] = {};  // upwelling, m/yr

  // ---- Sea level, cm ----
  float EXPN[NY] = {}, GLAC[NY] = {}, GREENL[NY] = {}, ANTAR[NY] = {};
  float ZXTRA[NY] = {}, ICETOT[NY] = {}, MSLTOT[NY] = {};
  float T1990 = 0, GLAC0 = 0, CUMT = 0;
  // Sea-level terms kept by parameter set (1..4) for the extra SO2 cases.
  float GLACK[5][NY] = {}, GREENLK[5][NY] = {}, ANTARK[5][NY] = {};
  float ZXTRAK[5][NY] = {}, ICETOTK[5][NY] = {}, EXPNK[5][NY] = {};

  // ---- Run driver ----
  int NSIM = 0, ICASE = 0, ISO2CASE = 0;
  float QAERKEEP[NY] = {}, QAERDIRKEEP[NY] = {};  // aerosol forcing of simulation 1
};

}  // namespace orv
