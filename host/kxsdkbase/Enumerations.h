#pragma once

// Enumerations of the host's style language and kernel interface. Values are
// those the host stores; they are part of the host contract and must not change.

enum PlotType_e {
    PlotType_Automatic = 0,
    PlotType_Cartesian3D = 1,
    PlotType_Cartesian2D = 2,
    PlotType_XYLine = 3,
    PlotType_Sketch = 4,
    PlotType_PolarLine = 5,
    PlotType_Invalid = -1
};

enum Units_e {
    Units_Grid = 0,
    Units_Frame = 1,
    Units_Point = 2,
    Units_Screen = 3,
    Units_AxisPercentage = 4,
    Units_Invalid = -1
};

enum ExportFormat_e {
    ExportFormat_RasterMetafile = 0,
    ExportFormat_TIFF = 1,
    ExportFormat_EPS = 9,
    ExportFormat_WindowsMetafile = 11,
    ExportFormat_PNG = 13,
    ExportFormat_AVI = 14,
    ExportFormat_JPEG = 16,
    ExportFormat_Flash = 17,
    ExportFormat_MPEG4 = 21,
    ExportFormat_Invalid = -1
};

enum NumberFormat_e {
    NumberFormat_Integer = 0,
    NumberFormat_FixedFloat = 1,
    NumberFormat_Exponential = 2,
    NumberFormat_BestFloat = 3,
    NumberFormat_SuperScript = 4,
    NumberFormat_CustomLabel = 5,
    NumberFormat_LogSuperScript = 6,
    NumberFormat_RangeBestFloat = 7,
    NumberFormat_DynamicLabel = 8,
    NumberFormat_TimeDate = 9,
    NumberFormat_Invalid = 255
};

enum LinePattern_e {
    LinePattern_Solid = 0,
    LinePattern_Dashed = 1,
    LinePattern_DashDot = 2,
    LinePattern_Dotted = 3,
    LinePattern_LongDash = 4,
    LinePattern_DashDotDot = 5,
    LinePattern_Invalid = 255
};

enum MeshType_e { MeshType_Wireframe = 0, MeshType_Overlay = 1, MeshType_HiddenLine = 2, MeshType_Invalid = 255 };

enum ContourType_e {
    ContourType_Lines = 0,
    ContourType_Flood = 1,
    ContourType_Overlay = 2,
    ContourType_AverageCell = 3,
    ContourType_PrimaryValue = 4,
    ContourType_Invalid = 255
};

// Contour groups 1..8 are their own numbers; 0 floods by the RGB channel variables.
enum ContourColoring_e {
    ContourColoring_RGB = 0,
    ContourColoring_Group1 = 1,
    ContourColoring_Group2 = 2,
    ContourColoring_Group3 = 3,
    ContourColoring_Group4 = 4,
    ContourColoring_Group5 = 5,
    ContourColoring_Group6 = 6,
    ContourColoring_Group7 = 7,
    ContourColoring_Group8 = 8,
    ContourColoring_Invalid = 255
};

enum VectorType_e {
    VectorType_TailAtPoint = 0,
    VectorType_HeadAtPoint = 1,
    VectorType_MidAtPoint = 2,
    VectorType_HeadOnly = 3,
    VectorType_Invalid = 255
};

enum ArrowheadStyle_e { ArrowheadStyle_Plain = 0, ArrowheadStyle_Filled = 1, ArrowheadStyle_Hollow = 2, ArrowheadStyle_Invalid = 255 };

enum GeomShape_e {
    GeomShape_Square = 0,
    GeomShape_Del = 1,
    GeomShape_Grad = 2,
    GeomShape_RTri = 3,
    GeomShape_LTri = 4,
    GeomShape_Diamond = 5,
    GeomShape_Circle = 6,
    GeomShape_Cube = 7,
    GeomShape_Sphere = 8,
    GeomShape_Octahedron = 9,
    GeomShape_Point = 10,
    GeomShape_Invalid = 255
};

enum FillMode_e {
    FillMode_None = 0,
    FillMode_UseSpecificColor = 1,
    FillMode_UseLineColor = 2,
    FillMode_UseBackgroundColor = 3,
    FillMode_Invalid = 255
};

enum EdgeType_e { EdgeType_Borders = 0, EdgeType_Creases = 1, EdgeType_BordersAndCreases = 2, EdgeType_Invalid = 255 };

enum BorderLocation_e {
    BorderLocation_None = 0,
    BorderLocation_Min = 1,
    BorderLocation_Max = 2,
    BorderLocation_Both = 3,
    BorderLocation_Invalid = 255
};

enum PointsToPlot_e {
    PointsToPlot_SurfaceNodes = 0,
    PointsToPlot_AllNodes = 1,
    PointsToPlot_SurfaceCellCenters = 2,
    PointsToPlot_AllCellCenters = 3,
    PointsToPlot_AllConnected = 4,
    PointsToPlot_Invalid = 255
};

enum SurfacesToPlot_e {
    SurfacesToPlot_BoundaryFaces = 0,
    SurfacesToPlot_ExposedCellFaces = 1,
    SurfacesToPlot_IPlanes = 2,
    SurfacesToPlot_JPlanes = 3,
    SurfacesToPlot_KPlanes = 4,
    SurfacesToPlot_IJPlanes = 5,
    SurfacesToPlot_JKPlanes = 6,
    SurfacesToPlot_IKPlanes = 7,
    SurfacesToPlot_IJKPlanes = 8,
    SurfacesToPlot_All = 9,
    SurfacesToPlot_None = 10,
    SurfacesToPlot_Invalid = 255
};

enum LightingEffect_e { LightingEffect_Paneled = 0, LightingEffect_Gouraud = 1, LightingEffect_Invalid = 255 };

enum SkipMode_e { SkipMode_ByIndex = 0, SkipMode_ByFrameUnits = 1, SkipMode_Invalid = 255 };

enum LineMapSort_e {
    LineMapSort_None = 0,
    LineMapSort_IndependentVar = 1,
    LineMapSort_DependentVar = 2,
    LineMapSort_SpecificVar = 3,
    LineMapSort_Invalid = 255
};

enum LegendShow_e { LegendShow_Always = 0, LegendShow_Never = 1, LegendShow_Auto = 2, LegendShow_Invalid = 255 };

enum CurveType_e {
    CurveType_LineSeg = 0,
    CurveType_PolynomialFit = 1,
    CurveType_EToRFit = 2,
    CurveType_PowerFit = 3,
    CurveType_Spline = 4,
    CurveType_ParaSpline = 5,
    CurveType_Extended = 6,
    CurveType_Invalid = 255
};

enum FunctionDependency_e { FunctionDependency_XIndependent = 0, FunctionDependency_YIndependent = 1, FunctionDependency_Invalid = 255 };

enum ErrorBar_e {
    ErrorBar_Up = 0,
    ErrorBar_Down = 1,
    ErrorBar_Left = 2,
    ErrorBar_Right = 3,
    ErrorBar_Horz = 4,
    ErrorBar_Vert = 5,
    ErrorBar_Cross = 6,
    ErrorBar_Invalid = 255
};

enum IJKLines_e { IJKLines_I = 0, IJKLines_J = 1, IJKLines_K = 2, IJKLines_Invalid = 255 };

enum Font_e {
    Font_Helvetica = 0,
    Font_HelveticaBold = 1,
    Font_Greek = 2,
    Font_Math = 3,
    Font_UserDefined = 4,
    Font_Times = 5,
    Font_TimesItalic = 6,
    Font_TimesBold = 7,
    Font_TimesItalicBold = 8,
    Font_Courier = 9,
    Font_CourierBold = 10,
    Font_Extended = 11,
    Font_Invalid = 255
};

// Assignment operators of a style write.
enum AssignOp_e { AssignOp_Equals = 255, AssignOp_PlusEquals = 1, AssignOp_MinusEquals = 2 };

// Pick-list entry types.
enum PickObjects_e { PickObjects_None = 0, PickObjects_Zone = 15, PickObjects_LineMapping = 21 };

enum ImplicitMacroRecording_e { ImplicitMacroRecording_Off = 0, ImplicitMacroRecording_On = 1 };
